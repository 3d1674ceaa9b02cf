#include "ui/toolkit/TControl.h"

#include "ui/toolkit/TText.h"

#include <QApplication>

#include <algorithm>
#include <vector>

namespace {

// Docking order stamps: a control docked later lies inside the ones docked before it.
std::uint64_t nextAlignOrder = 1;

// The control whose OnExit is running, and the control whose next focus loss is not an exit
// because the focus only passed through it (see SetFocus).
TControl* exitRunning = nullptr;
QPointer<QWidget> exitSuppressed;

// Focus changes that only concern the window (another window came up, a menu or pop-up
// opened) are no exit and no entry: the focus stays in the control within its window.
bool IsWindowFocusReason(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

} // namespace

QWidget* ContainerOf(QWidget* parent) {
    if (TControl* control = dynamic_cast<TControl*>(parent)) {
        return control->ChildArea();
    }
    return parent;
}

TControl* ControlOf(QWidget* widget) {
    if (auto* area = dynamic_cast<TClientArea*>(widget)) {
        return area->Owner();
    }
    return dynamic_cast<TControl*>(widget);
}

QObject* FindComponent(QObject* root, const std::string& name) {
    if (root == nullptr) {
        return nullptr;
    }
    const QString wanted = ToQString(name);
    const QList<QObject*> all = root->findChildren<QObject*>(wanted);
    return all.isEmpty() ? nullptr : all.first();
}

void AlignControlsIn(QWidget* area, const QRect& rect) {
    std::vector<TControl*> docked;
    for (QObject* child : area->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow() || widget->isHidden()) {
            continue;
        }
        TControl* control = dynamic_cast<TControl*>(widget);
        if (control != nullptr && control->align_ != alNone) {
            docked.push_back(control);
        }
    }
    std::stable_sort(docked.begin(), docked.end(), [](const TControl* a, const TControl* b) {
        return a->alignOrder_ < b->alignOrder_;
    });

    int left = rect.left();
    int top = rect.top();
    int right = rect.left() + rect.width();
    int bottom = rect.top() + rect.height();
    for (TAlign side : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* control : docked) {
            if (control->align_ != side) {
                continue;
            }
            QWidget* w = control->Widget();
            const int width = std::max(0, right - left);
            const int height = std::max(0, bottom - top);
            QRect place;
            switch (side) {
            case alTop:
                place = QRect(left, top, width, w->height());
                top += w->height();
                break;
            case alBottom:
                place = QRect(left, bottom - w->height(), width, w->height());
                bottom -= w->height();
                break;
            case alLeft:
                place = QRect(left, top, w->width(), height);
                left += w->width();
                break;
            case alRight:
                place = QRect(right - w->width(), top, w->width(), height);
                right -= w->width();
                break;
            default:
                place = QRect(left, top, width, height);
                break;
            }
            const QSize before = w->size();
            w->setGeometry(place);
            // A widget of a window that is not shown yet gets its resize event only when it
            // shows; its own docked children are placed now so that sizes read back at once.
            if (w->size() != before) {
                control->Realign();
            }
        }
    }
}

std::string TControl::Name() const {
    return ToStdString(Widget()->objectName());
}

void TControl::SetName(const std::string& name) {
    Widget()->setObjectName(ToQString(name));
}

int TControl::Left() const {
    return Widget()->x();
}
int TControl::Top() const {
    return Widget()->y();
}
int TControl::Width() const {
    return Widget()->width();
}
int TControl::Height() const {
    return Widget()->height();
}

void TControl::SetLeft(int left) {
    SetBounds(left, Top(), Width(), Height());
}
void TControl::SetTop(int top) {
    SetBounds(Left(), top, Width(), Height());
}
void TControl::SetWidth(int width) {
    SetBounds(Left(), Top(), width, Height());
}
void TControl::SetHeight(int height) {
    SetBounds(Left(), Top(), Width(), height);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    QWidget* w = Widget();
    const QSize before = w->size();
    if (isForm_) {
        SetWindowGeometry(QRect(left, top, std::max(0, width), std::max(0, height)));
    } else {
        w->setGeometry(left, top, std::max(0, width), std::max(0, height));
    }
    if (w->size() != before) {
        Realign();
    }
    // The parent places its docked controls around this one, and a scroll box measures its
    // range again.
    RealignParent();
}

void TControl::SetWindowGeometry(const QRect& frame) {
    Widget()->move(frame.topLeft());
    Widget()->resize(frame.size());
}

int TControl::ClientWidth() const {
    return Widget()->contentsRect().width();
}
int TControl::ClientHeight() const {
    return Widget()->contentsRect().height();
}

bool TControl::Visible() const {
    const QWidget* w = Widget();
    if (isForm_) {
        return w->isVisible();
    }
    if (w->parentWidget() == nullptr) {
        return !hiddenWhileOrphan_;
    }
    return !w->isHidden();
}

void TControl::SetVisible(bool visible) {
    QWidget* w = Widget();
    // A control without a parent has nowhere to show; it keeps the wish until it has one.
    if (!isForm_ && w->parentWidget() == nullptr) {
        hiddenWhileOrphan_ = !visible;
        return;
    }
    if (Visible() == visible) {
        return;
    }
    w->setVisible(visible);
    RealignParent();
}

// The control's own setting, not whether a disabled parent greys it.
bool TControl::Enabled() const {
    return !Widget()->testAttribute(Qt::WA_ForceDisabled);
}

void TControl::SetEnabled(bool enabled) {
    Widget()->setEnabled(enabled);
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) {
        return;
    }
    if (align_ == alNone || align == alNone) {
        alignOrder_ = nextAlignOrder++;
    }
    align_ = align;
    RealignParent();
}

void TControl::SetHint(const std::string& hint) {
    hint_ = hint;
    Widget()->setToolTip(showHint_ ? PlainTip(hint_) : QString());
}

void TControl::SetShowHint(bool show) {
    showHint_ = show;
    SetHint(hint_);
}

bool TControl::TabStop() const {
    return (Widget()->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

void TControl::SetTabStop(bool tabStop) {
    QWidget* w = Widget();
    if (w->focusPolicy() == Qt::NoFocus) {
        return; // controls that never take the focus stay so
    }
    w->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TControl::SetFocus() {
    QWidget* current = QApplication::focusWidget();
    if (exitRunning == this && current != nullptr && !Widget()->isAncestorOf(current) &&
        current != Widget()) {
        // Find the toolkit control that holds the focus widget (a combo box's inner edit
        // belongs to the combo box).
        for (QWidget* w = current; w != nullptr; w = w->parentWidget()) {
            if (dynamic_cast<TControl*>(w) != nullptr) {
                exitSuppressed = w;
                break;
            }
        }
    }
    Widget()->setFocus(Qt::OtherFocusReason);
}

bool TControl::Focused() const {
    return Widget()->hasFocus();
}

void TControl::SetColor(TColor color) {
    color_ = color;
    colorSet_ = true;
    ApplyColors();
}

void TControl::SetFontColor(TColor color) {
    fontColor_ = color;
    fontColorSet_ = true;
    ApplyColors();
}

void TControl::ApplyColors() {
    QWidget* w = Widget();
    QPalette palette = w->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (colorSet_) {
            palette.setColor(group, BackRole(), ColorToQColor(color_));
        }
        if (fontColorSet_) {
            palette.setColor(group, FrontRole(), ColorToQColor(fontColor_));
        }
    }
    w->setPalette(palette);
    if (colorSet_ && BackRole() == QPalette::Window) {
        w->setAutoFillBackground(true);
    }
}

QWidget* TControl::Parent() const {
    QWidget* parent = Widget()->parentWidget();
    if (auto* area = dynamic_cast<TClientArea*>(parent)) {
        return area->Owner()->Widget();
    }
    return isForm_ ? nullptr : parent;
}

void TControl::SetParent(QWidget* parent) {
    QWidget* w = Widget();
    QWidget* target = ContainerOf(parent);
    QWidget* old = w->parentWidget();
    if (target == old) {
        return;
    }
    const bool visible = Visible();
    const QRect geometry = w->geometry();
    w->setParent(target);
    w->setGeometry(geometry);
    if (target != nullptr) {
        w->setVisible(visible);
    } else {
        hiddenWhileOrphan_ = !visible;
    }
    if (old != nullptr) {
        if (TControl* owner = ControlOf(old)) {
            owner->Realign();
        }
    }
    RealignParent();
}

void TControl::DropConnections() {
    for (const QMetaObject::Connection& connection : connections_) {
        QObject::disconnect(connection);
    }
    connections_.clear();
}

void TControl::BringToFront() {
    Widget()->raise();
}

void TControl::SendToBack() {
    Widget()->lower();
}

void TControl::Realign() {
    if (aligning_) {
        return;
    }
    aligning_ = true;
    AlignControlsIn(ChildArea(), ChildArea()->contentsRect());
    aligning_ = false;
}

void TControl::RealignParent() {
    if (QWidget* parent = Widget()->parentWidget(); parent != nullptr && !isForm_) {
        if (TControl* owner = ControlOf(parent)) {
            owner->Realign();
        }
    }
}

void TControl::HandleFocusIn(Qt::FocusReason reason) {
    if (!IsWindowFocusReason(reason)) {
        Fire(OnEnter);
    }
}

void TControl::HandleFocusOut(Qt::FocusReason reason) {
    if (IsWindowFocusReason(reason)) {
        return;
    }
    if (exitSuppressed == Widget()) {
        exitSuppressed = nullptr;
        return;
    }
    TControl* outer = exitRunning;
    exitRunning = this;
    Fire(OnExit);
    exitRunning = outer;
}
