#include "ui/toolkit/TMemo.h"

#include "ui/toolkit/TText.h"

#include <QScrollBar>
#include <QTextBlock>

TMemo::TMemo(QWidget* parent) : TControlT<QPlainTextEdit>(parent, clWindow, clWindowText) {
    resize(185, 89);
    SetScrollBars(ssNone);
    Track(connect(this, &QPlainTextEdit::textChanged, this, [this] { Fire(OnChange); }));
}

std::string TMemo::Text() const {
    return ToStdString(toPlainText());
}

void TMemo::SetText(const std::string& text) {
    setPlainText(ToQString(text));
}

int TMemo::LineCount() const {
    // An empty memo holds no line, although its document has one empty block.
    return document()->isEmpty() ? 0 : document()->blockCount();
}

std::string TMemo::Line(int i) const {
    if (i < 0 || i >= LineCount()) {
        return {};
    }
    return ToStdString(document()->findBlockByNumber(i).text());
}

void TMemo::AddLine(const std::string& line) {
    appendPlainText(ToQString(line));
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TMemo::Clear() {
    clear();
}

void TMemo::SetWordWrap(bool wrap) {
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle style) {
    scrollBars_ = style;
    const bool horizontal = style == ssHorizontal || style == ssBoth;
    const bool vertical = style == ssVertical || style == ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}
