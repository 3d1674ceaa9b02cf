#pragma once

#include "ui/toolkit/TControl.h"

#include <QWidget>

// A thin bar between docked controls. Dragging it resizes the control docked on the same side
// right outside it (for a splitter docked right, the control to its right), never below
// MinSize.
class TSplitter : public TControlT<QWidget> {
public:
    explicit TSplitter(QWidget* parent);

    int MinSize() const { return minSize_; }
    void SetMinSize(int size) { minSize_ = size; }
    // The control the splitter resizes; none when no docked control touches it.
    TControl* Neighbour() const;
    // Moves the splitter by a number of pixels, as a drag would (positive: right or down).
    void MoveBy(int delta);

    TNotifyEvent OnMoved;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool Horizontal() const { return Align() == alTop || Align() == alBottom; }
    void UpdateCursor();

    int minSize_ = 30;
    bool dragging_ = false;
    int dragStart_ = 0;
};
