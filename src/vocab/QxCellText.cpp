#include "vocab/QxCellText.h"

#include "vocab/QxDigits.h"

#include <algorithm>
#include <cctype>

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "-12", "3.5", "+7", "1.5E-6": an optional sign, digits, an optional fraction and exponent.
bool ReadNumber(std::string_view text, long double& value) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t digitsFrom = i;
    long double number = 0;
    while (i < text.size() && IsDigit(text[i])) {
        number = number * 10 + (text[i] - '0');
        ++i;
    }
    if (i == digitsFrom) {
        return false;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        long double scale = 0.1L;
        const size_t fractionFrom = i;
        while (i < text.size() && IsDigit(text[i])) {
            number += (text[i] - '0') * scale;
            scale /= 10;
            ++i;
        }
        if (i == fractionFrom) {
            return false;
        }
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool down = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
            down = text[i] == '-';
            ++i;
        }
        int exponent = 0;
        const size_t exponentFrom = i;
        while (i < text.size() && IsDigit(text[i]) && exponent < 5000) {
            exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (i == exponentFrom) {
            return false;
        }
        for (int e = 0; e < exponent; ++e) {
            number = down ? number / 10 : number * 10;
        }
    }
    if (i != text.size()) {
        return false;
    }
    value = negative ? -number : number;
    return true;
}

// Reads digits at `i`; false when there are none.
bool ReadUnsigned(std::string_view text, size_t& i, long double& value) {
    const size_t from = i;
    value = 0;
    while (i < text.size() && IsDigit(text[i])) {
        value = value * 10 + (text[i] - '0');
        ++i;
    }
    return i > from;
}

bool Skip(std::string_view text, size_t& i, std::string_view what) {
    if (text.substr(i, what.size()) == what) {
        i += what.size();
        return true;
    }
    return false;
}

// The program's time-ticks texts: "h:mm:ss.cc", "1 day h:mm:ss.cc", "d days, h:mm:ss.cc".
bool ReadDuration(std::string_view text, long double& hundredths) {
    size_t i = 0;
    long double days = 0;
    long double first = 0;
    if (!ReadUnsigned(text, i, first)) {
        return false;
    }
    long double hours = first;
    if (Skip(text, i, " day ") || Skip(text, i, " days, ") || Skip(text, i, " days ")) {
        days = first;
        if (!ReadUnsigned(text, i, hours)) {
            return false;
        }
    }
    long double minutes = 0;
    long double seconds = 0;
    long double cents = 0;
    if (!Skip(text, i, ":") || !ReadUnsigned(text, i, minutes) || !Skip(text, i, ":") ||
        !ReadUnsigned(text, i, seconds) || !Skip(text, i, ".") || !ReadUnsigned(text, i, cents) ||
        i != text.size()) {
        return false;
    }
    hundredths = (((days * 24 + hours) * 60 + minutes) * 60 + seconds) * 100 + cents;
    return true;
}

// Twelve hexadecimal digits, or six pairs joined by one kind of separator.
bool IsMacText(std::string_view text) {
    const auto hexAt = [&](size_t i) { return i < text.size() && HexDigit(text[i]) >= 0; };
    if (text.size() == 12) {
        for (size_t i = 0; i < 12; ++i) {
            if (!hexAt(i)) {
                return false;
            }
        }
        return true;
    }
    if (text.size() != 17 || (text[2] != '-' && text[2] != ':')) {
        return false;
    }
    for (size_t i = 0; i < 17; ++i) {
        if (i % 3 == 2 ? text[i] != text[2] : !hexAt(i)) {
            return false;
        }
    }
    return true;
}

int CompareDigits(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b);
}

} // namespace

std::string PortListCellText(const std::string& hex) {
    if (hex.empty() || hex.size() % 2 != 0 || hex.size() > 8) {
        return hex;
    }
    std::vector<int> ports;
    for (size_t i = 0; i < hex.size(); ++i) {
        const int nibble = HexDigit(hex[i]);
        if (nibble < 0) {
            return hex;
        }
        for (int bit = 0; bit < 4; ++bit) {
            if ((nibble & (8 >> bit)) != 0) {
                const int port = static_cast<int>(i) * 4 + bit + 1;
                if (port > PortListPorts) {
                    return hex;
                }
                ports.push_back(port);
            }
        }
    }
    std::string text;
    for (size_t i = 0; i < ports.size();) {
        size_t j = i;
        while (j + 1 < ports.size() && ports[j + 1] == ports[j] + 1) {
            ++j;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += std::to_string(ports[i]);
        if (j >= i + 2) {
            text += "-" + std::to_string(ports[j]);
            i = j + 1;
        } else {
            i += 1;
        }
    }
    return text;
}

std::string MacCellText(const std::string& hex) {
    if (hex.size() != 12 || !IsMacText(hex)) {
        return hex;
    }
    std::string text;
    for (size_t i = 0; i < 12; i += 2) {
        if (!text.empty()) {
            text += '-';
        }
        text += static_cast<char>(std::toupper(static_cast<unsigned char>(hex[i])));
        text += static_cast<char>(std::toupper(static_cast<unsigned char>(hex[i + 1])));
    }
    return text;
}

QxCellSortKey::QxCellSortKey(std::string_view text) {
    if (ReadNumber(text, value_) || ReadDuration(text, value_)) {
        valued_ = true;
        return;
    }
    if (IsMacText(text)) {
        valued_ = true;
        for (char c : text) {
            if (const int digit = HexDigit(c); digit >= 0) {
                value_ = value_ * 16 + digit;
            }
        }
        return;
    }
    text_ = true;
    for (size_t i = 0; i < text.size();) {
        Part part;
        part.digits = IsDigit(text[i]);
        size_t j = i;
        while (j < text.size() && IsDigit(text[j]) == part.digits) {
            ++j;
        }
        std::string_view run = text.substr(i, j - i);
        if (part.digits) {
            const size_t nonZero = run.find_first_not_of('0');
            part.text = nonZero == std::string_view::npos ? "" : std::string(run.substr(nonZero));
            if (i == 0) {
                valued_ = true;
                for (char c : run) {
                    value_ = value_ * 10 + (c - '0');
                }
            }
        } else {
            part.text.reserve(run.size());
            for (char c : run) {
                part.text += Lower(c);
            }
        }
        parts_.push_back(std::move(part));
        i = j;
    }
}

int QxCellSortKey::Compare(const QxCellSortKey& other) const {
    // Compared as the tuple (valued first, value, number first, parts).
    if (valued_ != other.valued_) {
        return valued_ ? -1 : 1;
    }
    if (valued_ && value_ != other.value_) {
        return value_ < other.value_ ? -1 : 1;
    }
    if (text_ != other.text_) {
        return text_ ? 1 : -1;
    }
    const size_t n = std::min(parts_.size(), other.parts_.size());
    for (size_t i = 0; i < n; ++i) {
        const Part& a = parts_[i];
        const Part& b = other.parts_[i];
        if (a.digits != b.digits) {
            return a.digits ? -1 : 1;
        }
        const int c = a.digits ? CompareDigits(a.text, b.text) : a.text.compare(b.text);
        if (c != 0) {
            return c < 0 ? -1 : 1;
        }
    }
    if (parts_.size() != other.parts_.size()) {
        return parts_.size() < other.parts_.size() ? -1 : 1;
    }
    return 0;
}

std::string CsvField(const std::string& text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) {
        return text;
    }
    std::string field = "\"";
    for (char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + "\"";
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += CsvField(fields[i]);
    }
    return line + "\n";
}

std::string TabLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += '\t';
        }
        for (char c : fields[i]) {
            line += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
        }
    }
    return line + "\n";
}
