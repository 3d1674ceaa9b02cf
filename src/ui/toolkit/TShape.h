#pragma once

#include "ui/toolkit/TControl.h"

#include <QWidget>

enum TShapeType : int { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A filled figure with an outline: the LEDs of the front panel. Squares and circles use the
// shorter side and sit in the middle.
class TShape : public TControlT<QWidget> {
public:
    explicit TShape(QWidget* parent);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor color);
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor color);
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TShapeType shape_ = stRectangle;
    TColor brushColor_ = clWhite;
    TColor penColor_ = clBlack;
    int penWidth_ = 1;
};
