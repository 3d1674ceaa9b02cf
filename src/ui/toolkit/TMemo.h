#pragma once

#include "ui/toolkit/TControl.h"

#include <QPlainTextEdit>

#include <string>

enum TScrollStyle : int { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line text; the result area of the pages appends one line per report.
class TMemo : public TControlT<QPlainTextEdit> {
public:
    explicit TMemo(QWidget* parent);

    // The whole text, lines joined by "\n".
    std::string Text() const;
    void SetText(const std::string& text);
    int LineCount() const;
    // Line i from 0; "" beyond the last line.
    std::string Line(int i) const;
    // How a line added with AddLine stands out. An Error line is drawn in the error colour and
    // stays in view while Plain lines follow it (the memo scrolls no further than needed to keep
    // it in view); a later Error or Outcome line (the result of something the user asked for)
    // ends that.
    enum class LineKind { Plain, Error, Outcome };
    // Appends a line after the last one and scrolls to it, as far as the last error allows.
    void AddLine(const std::string& line, LineKind kind = LineKind::Plain);
    // The line that stays in view; -1 for none.
    int PinnedLine() const { return pinned_; }
    // Whether line i is drawn as an error.
    bool IsErrorLine(int i) const;
    void Clear();

    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    bool WordWrap() const { return lineWrapMode() != QPlainTextEdit::NoWrap; }
    void SetWordWrap(bool wrap);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);

    TNotifyEvent OnChange;

protected:
    QPalette::ColorRole BackRole() const override { return QPalette::Base; }
    QPalette::ColorRole FrontRole() const override { return QPalette::Text; }

private:
    void KeepPinnedLineInView();

    TScrollStyle scrollBars_ = ssNone;
    int pinned_ = -1;
};
