#pragma once

#include "ui/toolkit/TControl.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class TStatusBar;

// One section of a status bar.
class TStatusPanel {
public:
    explicit TStatusPanel(TStatusBar* bar) : bar_(bar) {}

    std::string Text() const { return text_; }
    void SetText(const std::string& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    TStatusBar* StatusBar() const { return bar_; }

private:
    TStatusBar* bar_;
    std::string text_;
    int width_ = 50;
};

// The bar along the bottom of a window, docked there from the start. It shows its panels
// left to right (the last one also takes the rest of the width), or with SimplePanel one text
// across the whole bar. A text longer than its panel ends in "..." and shows whole as the
// panel's tooltip.
class TStatusBar : public TControlT<QWidget> {
public:
    explicit TStatusBar(QWidget* parent);

    TStatusPanel* AddPanel(int width = 50);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // Panel i; none outside the panels.
    TStatusPanel* Panel(int i) const;
    void ClearPanels();

    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool on);
    std::string SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);

    // The panels' places on the bar, left to right (one for the simple panel), and what each
    // shows of its text in that width.
    std::vector<QRect> PanelAreas() const;
    QString ShownText(const QRect& area, const std::string& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::string AreaText(size_t i) const;

    std::vector<std::unique_ptr<TStatusPanel>> panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
};
