#include "ui/toolkit/TForm.h"

#include "ui/toolkit/TApplication.h"

#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TMnemonics.h"
#include "ui/toolkit/TTabOrder.h"
#include "ui/toolkit/TText.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>

namespace {

constexpr int DefaultClientWidth = 320;
constexpr int DefaultClientHeight = 240;

} // namespace

TForm::TForm(QWidget* owner) : TControlT<QDialog>(owner != nullptr ? owner->window() : nullptr) {
    MarkAsForm();
    client_ = new TClientArea(this, this);
    ApplyWindowFlags();
    resize(DefaultClientWidth, DefaultClientHeight);
    Realign();
}

TForm::~TForm() {
    if (Application().MainForm() == this) {
        Application().SetMainForm(nullptr);
    }
}

std::string TForm::Caption() const {
    return ToStdString(windowTitle());
}

void TForm::SetCaption(const std::string& caption) {
    setWindowTitle(ToQString(caption));
}

int TForm::MenuHeight() const {
    return menuBar_ != nullptr && !menuBar_->isHidden() ? menuBar_->sizeHint().height() : 0;
}

int TForm::ClientWidth() const {
    return width();
}

int TForm::ClientHeight() const {
    return std::max(0, height() - MenuHeight());
}

void TForm::SetClientWidth(int width) {
    SetWidth(width);
}

void TForm::SetClientHeight(int height) {
    SetHeight(height + MenuHeight());
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    ApplyWindowFlags();
}

void TForm::SetBorderIcons(int icons) {
    borderIcons_ = icons;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (borderStyle_ == bsNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint;
        if ((borderIcons_ & biSystemMenu) != 0) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            // Dialog borders offer no minimise or maximise box.
            if (borderStyle_ != bsDialog && (borderIcons_ & biMinimize) != 0) {
                flags |= Qt::WindowMinimizeButtonHint;
            }
            if (borderStyle_ != bsDialog && (borderIcons_ & biMaximize) != 0) {
                flags |= Qt::WindowMaximizeButtonHint;
            }
        }
    }
    const bool visible = isVisible();
    setWindowFlags(flags);
    if (visible) {
        show();
    }
    ApplySizeLimits();
}

void TForm::ApplySizeLimits() {
    if (borderStyle_ == bsSizeable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(size());
    }
}

void TForm::SetWindowGeometry(const QRect& frame) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    move(frame.topLeft());
    resize(frame.size());
    ApplySizeLimits();
}

void TForm::SetMenuBar(QMenuBar* bar) {
    menuBar_ = bar;
    if (bar != nullptr) {
        bar->setParent(this);
        bar->setNativeMenuBar(false);
        bar->show();
    }
    Realign();
}

QWidget* TForm::ChildArea() {
    return client_;
}

void TForm::Realign() {
    if (realigning_ || client_ == nullptr) {
        return;
    }
    realigning_ = true;
    const int top = MenuHeight();
    if (menuBar_ != nullptr) {
        menuBar_->setGeometry(0, 0, width(), top);
    }
    client_->setGeometry(0, top, width(), std::max(0, height() - top));
    AlignControlsIn(client_, client_->rect());
    realigning_ = false;
}

void TForm::ApplyPosition() {
    QRect reference;
    QWidget* relative = nullptr;
    switch (position_) {
    case poOwnerFormCenter:
        relative = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
        if (relative == nullptr) {
            relative = Application().MainForm();
        }
        break;
    case poMainFormCenter:
        relative = Application().MainForm();
        break;
    case poScreenCenter:
        break;
    default:
        return;
    }
    if (relative != nullptr && relative != this && relative->isVisible()) {
        reference = relative->frameGeometry();
    } else if (QScreen* screen = this->screen()) {
        reference = screen->availableGeometry();
    } else {
        return;
    }
    const QRect frame = frameGeometry();
    move(reference.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

TModalResult TForm::ShowModal() {
    modalResult_ = mrNone;
    if (Application().Terminated()) {
        return mrCancel;
    }
    ApplyPosition();
    inModal_ = true;
    exec();
    inModal_ = false;
    // The application's termination ends the modal loop without closing the form.
    if (isVisible()) {
        hide();
    }
    if (modalResult_ == mrNone) {
        modalResult_ = mrCancel;
    }
    return modalResult_;
}

void TForm::SetModalResult(TModalResult result) {
    modalResult_ = result;
    if (result != mrNone && inModal_) {
        close();
    }
}

void TForm::Close() {
    close();
}

void TForm::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    if (OnCloseQuery) {
        CallGuarded([&] { canClose = OnCloseQuery(); });
    }
    if (!canClose) {
        if (inModal_) {
            modalResult_ = mrNone;
        }
        event->ignore();
        return;
    }
    Fire(OnClose);
    event->accept();
    if (inModal_) {
        if (modalResult_ == mrNone) {
            modalResult_ = mrCancel;
        }
        finishing_ = true;
        QDialog::done(modalResult_);
        finishing_ = false;
    }
    if (Application().MainForm() == this) {
        Application().Terminate();
    }
}

void TForm::done(int result) {
    // Qt's own ways of ending a dialog (accept, reject) take the same road as a close.
    if (finishing_) {
        QDialog::done(result);
        return;
    }
    modalResult_ = result == QDialog::Rejected ? mrCancel : static_cast<TModalResult>(result);
    close();
}

std::function<void(const std::string& topic)> TForm::OnHelp;

std::string TForm::HelpTopic() const {
    for (const QWidget* w = this; w != nullptr; w = w->parentWidget()) {
        if (const auto* form = dynamic_cast<const TForm*>(w)) {
            if (!form->helpTopic_.empty()) {
                return form->helpTopic_;
            }
        }
    }
    return {};
}

void TForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && OnHelp) {
        OnHelp(HelpTopic());
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Escape presses the form's cancel button (Cancel, Exit, a page's Close); a window
        // without one closes as its close box does. The main window is left alone: closing it
        // ends the program.
        for (QPushButton* candidate : findChildren<QPushButton*>()) {
            auto* button = dynamic_cast<TButton*>(candidate);
            if (button != nullptr && button->Cancel() && button->isVisible() &&
                button->isEnabled() && button->window() == this) {
                button->Click();
                return;
            }
        }
        if (Application().MainForm() != this) {
            Close();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm::showEvent(QShowEvent* event) {
    if (!shownOnce_ && !inModal_) {
        ApplyPosition();
    }
    shownOnce_ = true;
    QDialog::showEvent(event);
    Realign();
    QPointer<TForm> self(this);
    Fire(OnShow);
    if (self == nullptr || keyboardArranged_) {
        return;
    }
    // Once the window stands as it will be used: Tab in reading order, and the buttons' Alt
    // letters.
    keyboardArranged_ = true;
    TTabOrder::Apply(this);
    TMnemonics::Assign(this);
}

bool TForm::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) {
        Fire(OnActivate);
    }
    return handled;
}

TForm* ParentForm(QWidget* control) {
    return control != nullptr ? dynamic_cast<TForm*>(control->window()) : nullptr;
}
