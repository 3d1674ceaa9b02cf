#include "ui/toolkit/TStatusBar.h"

#include "ui/toolkit/TText.h"

#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>

void TStatusPanel::SetText(const std::string& text) {
    text_ = text;
    bar_->update();
}

void TStatusPanel::SetWidth(int width) {
    width_ = std::max(0, width);
    bar_->update();
}

TStatusBar::TStatusBar(QWidget* parent) : TControlT<QWidget>(parent) {
    resize(200, std::max(19, fontMetrics().height() + 6));
    SetAlign(alBottom);
}

TStatusPanel* TStatusBar::AddPanel(int width) {
    panels_.push_back(std::make_unique<TStatusPanel>(this));
    panels_.back()->SetWidth(width);
    update();
    return panels_.back().get();
}

TStatusPanel* TStatusBar::Panel(int i) const {
    return i >= 0 && i < PanelCount() ? panels_[static_cast<size_t>(i)].get() : nullptr;
}

void TStatusBar::ClearPanels() {
    panels_.clear();
    update();
}

void TStatusBar::SetSimplePanel(bool on) {
    simplePanel_ = on;
    update();
}

void TStatusBar::SetSimpleText(const std::string& text) {
    simpleText_ = text;
    update();
}

void TStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const auto section = [&](const QRect& area, const std::string& text) {
        qDrawShadePanel(&painter, area, palette(), true, 1);
        painter.drawText(area.adjusted(3, 1, -3, -1), Qt::AlignLeft | Qt::AlignVCenter,
                         ToQString(text));
    };
    if (simplePanel_) {
        section(rect(), simpleText_);
        return;
    }
    int left = 0;
    for (int i = 0; i < PanelCount(); ++i) {
        const TStatusPanel& panel = *panels_[static_cast<size_t>(i)];
        const int span =
            i + 1 == PanelCount() ? std::max(panel.Width(), width() - left) : panel.Width();
        section(QRect(left, 0, span, height()), panel.Text());
        left += span;
    }
}
