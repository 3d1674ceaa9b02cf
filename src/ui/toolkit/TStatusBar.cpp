#include "ui/toolkit/TStatusBar.h"

#include "ui/toolkit/TText.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
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

std::vector<QRect> TStatusBar::PanelAreas() const {
    if (simplePanel_) {
        return {rect()};
    }
    std::vector<QRect> areas;
    int left = 0;
    for (int i = 0; i < PanelCount(); ++i) {
        const TStatusPanel& panel = *panels_[static_cast<size_t>(i)];
        const int span =
            i + 1 == PanelCount() ? std::max(panel.Width(), width() - left) : panel.Width();
        areas.emplace_back(left, 0, span, height());
        left += span;
    }
    return areas;
}

std::string TStatusBar::AreaText(size_t i) const {
    return simplePanel_ ? simpleText_ : panels_[i]->Text();
}

QString TStatusBar::ShownText(const QRect& area, const std::string& text) const {
    return fontMetrics().elidedText(ToQString(text), Qt::ElideRight, area.width() - 6);
}

void TStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const std::vector<QRect> areas = PanelAreas();
    for (size_t i = 0; i < areas.size(); ++i) {
        qDrawShadePanel(&painter, areas[i], palette(), true, 1);
        painter.drawText(areas[i].adjusted(3, 1, -3, -1), Qt::AlignLeft | Qt::AlignVCenter,
                         ShownText(areas[i], AreaText(i)));
    }
}

bool TStatusBar::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return TControlT<QWidget>::event(event);
    }
    auto* help = static_cast<QHelpEvent*>(event);
    const std::vector<QRect> areas = PanelAreas();
    for (size_t i = 0; i < areas.size(); ++i) {
        const QString whole = ToQString(AreaText(i));
        if (areas[i].contains(help->pos()) && ShownText(areas[i], AreaText(i)) != whole) {
            QToolTip::showText(help->globalPos(), PlainTip(AreaText(i)), this, areas[i]);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}
