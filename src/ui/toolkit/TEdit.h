#pragma once

#include "ui/toolkit/TControl.h"
#include "vocab/QxTextField.h"

#include <QLineEdit>

#include <functional>
#include <string>

// A one-line text field.
//
// OnChange runs after every change of the text, whether the user typed it or the program set
// it (a handler may set the text again; that runs OnChange once more). MaxLength limits what
// the user can type; the program may still put a longer text in, which the user can then only
// shorten. OnKeyPress sees every character typed, also in a read-only field, and may swallow
// it by setting the key to 0.
//
// An edit is the text field that edit constraints govern: they take over OnChange and OnExit.
class TEdit : public TControlT<QLineEdit>, public QxTextField {
public:
    explicit TEdit(QWidget* parent);
    ~TEdit() override;

    std::string Text() const override;
    void SetText(const std::string& text) override;
    // 0: no limit.
    int MaxLength() const override { return maxLength_; }
    void SetMaxLength(int length) override;
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    // Position of the text cursor, in characters from the start.
    int SelStart() const { return cursorPosition(); }
    void SetSelStart(int position) { setCursorPosition(position); }
    void SelectAll() { selectAll(); }

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    std::function<void(char32_t& key)> OnKeyPress;
    // A paste or drop that would make the text longer than MaxLength was refused whole; runs
    // once the edit is over, with the length the text would have had.
    std::function<void(int length)> OnTooLong;

    // The control's own geometry, Tag and focus, as a text field.
    int Width() const override { return TControl::Width(); }
    void SetWidth(int width) override { TControl::SetWidth(width); }
    int Tag() const override { return TControl::Tag(); }
    bool Focused() const override { return TControl::Focused(); }
    void SetFocus() override { TControl::SetFocus(); }
    TNotifyEvent& ChangeHandler() override { return OnChange; }
    TNotifyEvent& ExitHandler() override { return OnExit; }

protected:
    QPalette::ColorRole BackRole() const override { return QPalette::Base; }
    QPalette::ColorRole FrontRole() const override { return QPalette::Text; }
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    class LengthLimit;

    int maxLength_ = 0;
    // Length of the text as last accepted; the validator compares a user's edit against it.
    int lengthBefore_ = 0;
    LengthLimit* limit_ = nullptr;
    // A refused paste has been reported for the event loop to pass on.
    bool tooLongPosted_ = false;
};
