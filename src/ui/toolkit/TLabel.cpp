#include "ui/toolkit/TLabel.h"

#include "ui/toolkit/TText.h"

#include <algorithm>

namespace {

Qt::Alignment QtAlignment(TAlignment alignment) {
    const Qt::Alignment horizontal = alignment == taCenter         ? Qt::AlignHCenter
                                     : alignment == taRightJustify ? Qt::AlignRight
                                                                   : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter;
}

// A label's size for its text: the text's extent plus the frame, at least one line high.
void FitLabel(TControl& control, QLabel& label) {
    const QSize hint = label.sizeHint();
    const int frame = 2 * label.frameWidth();
    control.SetBounds(control.Left(), control.Top(), hint.width(),
                      std::max(hint.height(), label.fontMetrics().height() + frame));
}

} // namespace

TLabel::TLabel(QWidget* parent) : TControlT<QLabel>(parent) {
    // Captions often carry texts of the device or the user: shown as they are, never as markup.
    setTextFormat(Qt::PlainText);
    setAlignment(QtAlignment(alignment_));
    Fit();
}

std::string TLabel::Caption() const {
    return ToStdString(text());
}

void TLabel::SetCaption(const std::string& caption) {
    setText(ToQString(caption));
    Fit();
}

void TLabel::SetAutoSize(bool on) {
    autoSize_ = on;
    Fit();
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    setAlignment(QtAlignment(alignment));
}

void TLabel::Fit() {
    if (autoSize_) {
        FitLabel(*this, *this);
    }
}

void TStaticText::SetBorderStyle(TStaticBorderStyle style) {
    borderStyle_ = style;
    switch (style) {
    case sbsSunken:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case sbsSingle:
        setFrameStyle(QFrame::Box | QFrame::Plain);
        break;
    default:
        setFrameStyle(QFrame::NoFrame);
        break;
    }
    setLineWidth(1);
    Fit();
}
