#include "ui/toolkit/TSplitter.h"

#include <QMouseEvent>
#include <QPainter>

TSplitter::TSplitter(QWidget* parent) : TControlT<QWidget>(parent) {
    resize(3, 100);
    SetAlign(alLeft);
    UpdateCursor();
}

TControl* TSplitter::Neighbour() const {
    QWidget* parent = parentWidget();
    if (parent == nullptr) {
        return nullptr;
    }
    const QRect mine = geometry();
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        TControl* control = dynamic_cast<TControl*>(w);
        if (control == nullptr || control == this || w->isHidden() || control->Align() != Align()) {
            continue;
        }
        const QRect other = w->geometry();
        const bool touches = (Align() == alLeft && other.x() + other.width() == mine.x()) ||
                             (Align() == alRight && other.x() == mine.x() + mine.width()) ||
                             (Align() == alTop && other.y() + other.height() == mine.y()) ||
                             (Align() == alBottom && other.y() == mine.y() + mine.height());
        if (touches) {
            return control;
        }
    }
    return nullptr;
}

void TSplitter::MoveBy(int delta) {
    TControl* neighbour = Neighbour();
    if (neighbour == nullptr || delta == 0) {
        return;
    }
    // Moving away from the neighbour widens it for left and top splitters, narrows it for
    // right and bottom ones.
    const bool grows = Align() == alLeft || Align() == alTop;
    if (Horizontal()) {
        const int size = neighbour->Height() + (grows ? delta : -delta);
        neighbour->SetHeight(std::max(minSize_, size));
    } else {
        const int size = neighbour->Width() + (grows ? delta : -delta);
        neighbour->SetWidth(std::max(minSize_, size));
    }
    Fire(OnMoved);
}

void TSplitter::UpdateCursor() {
    setCursor(Horizontal() ? Qt::SplitVCursor : Qt::SplitHCursor);
}

void TSplitter::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    UpdateCursor();
    dragging_ = true;
    const QPoint at = mapToParent(event->position().toPoint());
    dragStart_ = Horizontal() ? at.y() : at.x();
}

void TSplitter::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        return;
    }
    const QPoint at = mapToParent(event->position().toPoint());
    const int position = Horizontal() ? at.y() : at.x();
    const int delta = position - dragStart_;
    if (delta != 0) {
        MoveBy(delta);
        dragStart_ = position;
    }
}

void TSplitter::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

void TSplitter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
}
