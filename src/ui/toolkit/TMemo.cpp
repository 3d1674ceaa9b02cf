#include "ui/toolkit/TMemo.h"

#include "ui/toolkit/TText.h"

#include <QColor>
#include <QFont>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFormat>

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

namespace {

// Error lines: dark red and bold, so that they stand out without relying on colour alone.
QTextCharFormat LineFormat(bool error) {
    QTextCharFormat format;
    if (error) {
        format.setForeground(QColor(0xB0, 0x00, 0x00));
        format.setFontWeight(QFont::Bold);
    }
    return format;
}

constexpr int ErrorProperty = QTextFormat::UserProperty + 1;

} // namespace

void TMemo::AddLine(const std::string& line, LineKind kind) {
    const bool error = kind == LineKind::Error;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!document()->isEmpty()) {
        cursor.insertBlock();
    }
    QTextBlockFormat block;
    block.setProperty(ErrorProperty, error);
    cursor.setBlockFormat(block);
    cursor.insertText(ToQString(line), LineFormat(error));
    if (kind != LineKind::Plain) {
        pinned_ = error ? LineCount() - 1 : -1;
    }
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    KeepPinnedLineInView();
}

bool TMemo::IsErrorLine(int i) const {
    if (i < 0 || i >= LineCount()) {
        return false;
    }
    return document()->findBlockByNumber(i).blockFormat().property(ErrorProperty).toBool();
}

void TMemo::KeepPinnedLineInView() {
    if (pinned_ < 0) {
        return;
    }
    const QTextBlock block = document()->findBlockByNumber(pinned_);
    if (!block.isValid()) {
        pinned_ = -1;
        return;
    }
    // The scroll bar counts (wrapped) lines; its value is the first line shown.
    const int first = block.firstLineNumber();
    if (verticalScrollBar()->value() > first) {
        verticalScrollBar()->setValue(first);
    }
}

void TMemo::Clear() {
    clear();
    pinned_ = -1;
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
