#include "ui/toolkit/TPanel.h"

#include "ui/toolkit/TText.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr int DefaultWidth = 185;
constexpr int DefaultHeight = 41;

} // namespace

TPanel::TPanel(QWidget* parent) : TControlT<QWidget>(parent) {
    resize(DefaultWidth, DefaultHeight);
    UpdateMargins();
}

void TPanel::SetCaption(const std::string& caption) {
    caption_ = caption;
    update();
}

void TPanel::SetBevelOuter(TBevelCut cut) {
    bevelOuter_ = cut;
    UpdateMargins();
}

void TPanel::SetBevelInner(TBevelCut cut) {
    bevelInner_ = cut;
    UpdateMargins();
}

void TPanel::SetBevelWidth(int width) {
    bevelWidth_ = std::max(1, width);
    UpdateMargins();
}

void TPanel::SetBorderWidth(int width) {
    borderWidth_ = std::max(0, width);
    UpdateMargins();
}

void TPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    update();
}

void TPanel::UpdateMargins() {
    const int margin = (bevelOuter_ != bvNone ? bevelWidth_ : 0) +
                       (bevelInner_ != bvNone ? bevelWidth_ : 0) + borderWidth_;
    setContentsMargins(margin, margin, margin, margin);
    update();
    Realign();
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    const auto drawBevel = [&](TBevelCut cut) {
        if (cut == bvNone) {
            return;
        }
        qDrawShadePanel(&painter, r, palette(), cut == bvLowered, bevelWidth_);
        r.adjust(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
    };
    drawBevel(bevelOuter_);
    r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    drawBevel(bevelInner_);
    if (!caption_.empty()) {
        Qt::Alignment flags = Qt::AlignVCenter;
        flags |= alignment_ == taLeftJustify    ? Qt::AlignLeft
                 : alignment_ == taRightJustify ? Qt::AlignRight
                                                : Qt::AlignHCenter;
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(r, static_cast<int>(flags), ToQString(caption_));
    }
}

TGroupBox::TGroupBox(QWidget* parent) : TControlT<QGroupBox>(parent) {
    resize(DefaultWidth, 105);
}

std::string TGroupBox::Caption() const {
    return ToStdString(title());
}

void TGroupBox::SetCaption(const std::string& caption) {
    setTitle(ToQString(caption));
}
