#include "ui/toolkit/TScrollBox.h"

#include <QChildEvent>
#include <QScrollBar>

#include <algorithm>

TScrollBox::TScrollBox(QWidget* parent) : TControlT<QScrollArea>(parent) {
    content_ = new TClientArea(nullptr, this);
    setWidget(content_);
    setWidgetResizable(false);
    content_->installEventFilter(this);
    resize(185, 41);
    Realign();
}

TScrollBox::~TScrollBox() {
    content_->removeEventFilter(this);
}

void TScrollBox::SetAutoScroll(bool on) {
    autoScroll_ = on;
    const Qt::ScrollBarPolicy policy = on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    Realign();
}

TBorderStyle TScrollBox::BorderStyle() const {
    return frameShape() == QFrame::NoFrame ? bsNoBorder : bsSingleBorder;
}

void TScrollBox::SetBorderStyle(TBorderStyle style) {
    setFrameShape(style == bsNoBorder ? QFrame::NoFrame : QFrame::StyledPanel);
    Realign();
}

QSize TScrollBox::VisibleSize() const {
    // Before the box is shown the viewport has no real size yet; the area inside the frame
    // stands for it.
    return isVisible() ? viewport()->size() : maximumViewportSize();
}

int TScrollBox::ClientWidth() const {
    return VisibleSize().width();
}
int TScrollBox::ClientHeight() const {
    return VisibleSize().height();
}
int TScrollBox::RangeWidth() const {
    return content_->width();
}
int TScrollBox::RangeHeight() const {
    return content_->height();
}

QWidget* TScrollBox::ChildArea() {
    return content_;
}

void TScrollBox::Realign() {
    if (realigning_ || content_ == nullptr) {
        return;
    }
    realigning_ = true;
    AlignControlsIn(content_, QRect(QPoint(0, 0), VisibleSize()));
    UpdateRange();
    realigning_ = false;
}

void TScrollBox::UpdateRange() {
    QSize range = VisibleSize();
    for (QObject* child : content_->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w != nullptr && !w->isWindow() && !w->isHidden()) {
            range = range.expandedTo(QSize(w->x() + w->width(), w->y() + w->height()));
        }
    }
    if (content_->size() != range) {
        content_->resize(range);
    }
}

bool TScrollBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == content_) {
        if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved) {
            auto* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType()) {
                if (event->type() == QEvent::ChildAdded) {
                    child->installEventFilter(this);
                } else {
                    child->removeEventFilter(this);
                }
                UpdateRange();
            }
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (!realigning_) {
            UpdateRange();
        }
        break;
    default:
        break;
    }
    return false;
}
