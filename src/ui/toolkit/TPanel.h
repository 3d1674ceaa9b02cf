#pragma once

#include "ui/toolkit/TControl.h"

#include <QGroupBox>
#include <QWidget>

#include <string>

enum TBevelCut : int { bvNone, bvLowered, bvRaised };
enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };

// A container with optional bevels and a caption drawn in its middle. Docked children are
// placed inside the bevels and the border width.
class TPanel : public TControlT<QWidget> {
public:
    explicit TPanel(QWidget* parent);

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateMargins();

    std::string caption_;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

// A framed group with a caption on its frame.
class TGroupBox : public TControlT<QGroupBox> {
public:
    explicit TGroupBox(QWidget* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
};
