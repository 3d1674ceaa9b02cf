#pragma once

#include "ui/toolkit/TControl.h"
#include "ui/toolkit/TPanel.h"

#include <QLabel>

#include <string>

// A line of text. With AutoSize (on at first) the label takes the size of its caption
// whenever the caption changes.
class TLabel : public TControlT<QLabel> {
public:
    explicit TLabel(QWidget* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    // Takes the size of the caption when AutoSize is on.
    void Fit();

private:
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
};

enum TStaticBorderStyle : int { sbsNone, sbsSingle, sbsSunken };

// A label with an optional border (the sunken value fields of the monitor windows).
class TStaticText : public TLabel {
public:
    explicit TStaticText(QWidget* parent) : TLabel(parent) {}

    TStaticBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TStaticBorderStyle style);

private:
    TStaticBorderStyle borderStyle_ = sbsNone;
};
