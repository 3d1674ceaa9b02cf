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
    // Appends a line after the last one and scrolls to it.
    void AddLine(const std::string& line);
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
    TScrollStyle scrollBars_ = ssNone;
};
