#pragma once

#include "ui/toolkit/TControl.h"
#include "ui/toolkit/TMessageBox.h"

#include <QDialog>

#include <functional>
#include <string>

class QMenuBar;

// Where a form appears when it is shown.
enum TPosition : int { poDesigned, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
enum TFormBorderStyle : int { bsNone, bsSingle, bsSizeable, bsDialog };
// Border icons, combined as a bit set.
enum TBorderIcon : int { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };

// A window. Every form except the main one is shown modally with ShowModal and freed by the
// code that created it once ShowModal has returned (a form on the stack, or a unique_ptr); the
// toolkit never deletes a form by itself, so that its fields can be read after the modal loop
// and a form can be shown again.
//
// Closing (the close box, Close, or a ModalResult other than mrNone while modal) asks
// OnCloseQuery, which may refuse; then OnClose runs and the form hides. A modal form's
// ShowModal then returns the ModalResult (mrCancel when it was closed without one). Closing the
// application's main form terminates the application.
//
// When a form is first shown, Tab visits its controls in reading order (TTabOrder) and its
// buttons get Alt letters (TMnemonics).
class TForm : public TControlT<QDialog> {
public:
    explicit TForm(QWidget* owner = nullptr);
    ~TForm() override;

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // The area below the menu bar that holds the controls.
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int width);
    void SetClientHeight(int height);

    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    int BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(int icons);

    TModalResult ShowModal();
    bool Modal() const { return inModal_; }
    TModalResult ModalResult() const { return modalResult_; }
    // While modal, a result other than mrNone closes the form.
    void SetModalResult(TModalResult result);
    void Close();

    // The help topic of the window, opened by F1 through OnHelp; a form without a topic of its
    // own takes its owner's.
    std::string HelpTopic() const;
    void SetHelpTopic(const std::string& topic) { helpTopic_ = topic; }
    // What F1 does in every form: opens the help at a topic (set once by the main window).
    static std::function<void(const std::string& topic)> OnHelp;

    std::function<bool()> OnCloseQuery; // false keeps the form open
    TNotifyEvent OnClose;
    TNotifyEvent OnShow;
    TNotifyEvent OnActivate;

    QWidget* ChildArea() override;
    void Realign() override;
    // The menu bar shown above the client area (set by TMainMenu).
    void SetMenuBar(QMenuBar* bar);

protected:
    void SetWindowGeometry(const QRect& frame) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void done(int result) override;

private:
    void ApplyPosition();
    void ApplyWindowFlags();
    void ApplySizeLimits();
    int MenuHeight() const;

    std::string helpTopic_;
    TClientArea* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    TPosition position_ = poDesigned;
    TFormBorderStyle borderStyle_ = bsSizeable;
    int borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TModalResult modalResult_ = mrNone;
    bool inModal_ = false;
    bool finishing_ = false;
    bool shownOnce_ = false;
    bool keyboardArranged_ = false;
    bool realigning_ = false;

    friend class TButton;
};

// The form that holds a control; none when the control is on no form.
TForm* ParentForm(QWidget* control);
