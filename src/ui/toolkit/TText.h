#pragma once

#include <QString>

#include <string>

// The program keeps its texts as UTF-8 std::string; Qt keeps QString. These two convert at
// the toolkit's edge.
inline QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// A tooltip that shows `text` as it is. Qt takes a tip that looks like markup for markup: the
// escaped text in a block that keeps blanks and line breaks shows any text unchanged.
inline QString PlainTip(const std::string& text) {
    return text.empty() ? QString()
                        : QStringLiteral("<p style='white-space:pre'>%1</p>")
                              .arg(ToQString(text).toHtmlEscaped());
}
