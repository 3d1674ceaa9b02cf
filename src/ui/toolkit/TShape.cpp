#include "ui/toolkit/TShape.h"

#include <QPainter>

#include <algorithm>

TShape::TShape(QWidget* parent) : TControlT<QWidget>(parent) {
    resize(65, 65);
}

void TShape::SetShape(TShapeType shape) {
    shape_ = shape;
    update();
}

void TShape::SetBrushColor(TColor color) {
    brushColor_ = color;
    update();
}

void TShape::SetPenColor(TColor color) {
    penColor_ = color;
    update();
}

void TShape::SetPenWidth(int width) {
    penWidth_ = std::max(0, width);
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect area = rect();
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        const int side = std::min(area.width(), area.height());
        area = QRect((area.width() - side) / 2, (area.height() - side) / 2, side, side);
    }
    // The outline lies inside the control's area, as in the figures of the device's panel.
    const int inset = penWidth_ / 2;
    area.adjust(inset, inset, -inset - (penWidth_ > 0 ? 1 : 0), -inset - (penWidth_ > 0 ? 1 : 0));
    if (penWidth_ > 0) {
        QPen pen(ColorToQColor(penColor_));
        pen.setWidth(penWidth_);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(ColorToQColor(brushColor_));
    switch (shape_) {
    case stEllipse:
    case stCircle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(area);
        break;
    case stRoundRect:
    case stRoundSquare: {
        const qreal radius = std::min(area.width(), area.height()) / 4.0;
        painter.drawRoundedRect(area, radius, radius);
        break;
    }
    default:
        painter.drawRect(area);
        break;
    }
}
