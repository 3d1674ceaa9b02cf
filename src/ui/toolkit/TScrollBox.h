#pragma once

#include "ui/toolkit/TControl.h"

#include <QScrollArea>

enum TBorderStyle : int { bsNoBorder, bsSingleBorder };

// A container that scrolls its children. Children are placed in an inner area that grows to
// hold every visible child; docked children fill the visible part. Without AutoScroll the box
// shows no scroll bars.
class TScrollBox : public TControlT<QScrollArea> {
public:
    explicit TScrollBox(QWidget* parent);
    ~TScrollBox() override;

    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool on);
    TBorderStyle BorderStyle() const;
    void SetBorderStyle(TBorderStyle style);

    // The visible part.
    int ClientWidth() const override;
    int ClientHeight() const override;
    // The size of the inner area, that is the scrolled range.
    int RangeWidth() const;
    int RangeHeight() const;

    QWidget* ChildArea() override;
    void Realign() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize VisibleSize() const;
    void UpdateRange();

    TClientArea* content_ = nullptr;
    bool autoScroll_ = true;
    bool realigning_ = false;
};
