#pragma once

#include "ui/toolkit/TControl.h"
#include "ui/toolkit/TMessageBox.h"

#include <QPushButton>

#include <string>

// A push button. A click runs OnClick; a ModalResult other than mrNone also ends the modal
// form it is on with that result. Enter presses the form's Default button, Escape its Cancel
// button; no other button reacts to Enter.
class TButton : public TControlT<QPushButton> {
public:
    explicit TButton(QWidget* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Default() const { return isDefault(); }
    void SetDefault(bool isDefault) { setDefault(isDefault); }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }

    // Does what a click does, also on a disabled or hidden button.
    void Click();

    TNotifyEvent OnClick;

protected:
    QPalette::ColorRole BackRole() const override { return QPalette::Button; }
    QPalette::ColorRole FrontRole() const override { return QPalette::ButtonText; }

private:
    TModalResult modalResult_ = mrNone;
    bool cancel_ = false;
};

// A button with an optional picture (glyph) left of its caption.
class TBitBtn : public TButton {
public:
    explicit TBitBtn(QWidget* parent);

    // Loads the glyph from a picture file. The colour of its bottom-left pixel is taken as
    // transparent (button bitmaps have no alpha channel and mark the background that way). A missing or unreadable file leaves the button as it
    // was and returns false.
    bool LoadGlyph(const std::string& path);
    bool HasGlyph() const { return hasGlyph_; }
    void ClearGlyph();

private:
    bool hasGlyph_ = false;
};
