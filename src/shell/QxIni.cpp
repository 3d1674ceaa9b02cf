#include "shell/QxIni.h"

#include <cctype>
#include <fstream>
#include <iterator>

namespace {

constexpr size_t ValueLimit = 4095;

bool IsBlankOrControl(unsigned char c) {
    return c <= ' ' || c == 0x7F;
}

std::string Trim(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlankOrControl(static_cast<unsigned char>(text[begin]))) {
        ++begin;
    }
    while (end > begin && IsBlankOrControl(static_cast<unsigned char>(text[end - 1]))) {
        --end;
    }
    return text.substr(begin, end - begin);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string QxIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    std::ifstream file(fileName_, std::ios::binary);
    if (!file) {
        return defaultValue;
    }
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    bool inSection = false;
    size_t pos = 0;
    while (pos <= content.size()) {
        size_t end = content.find('\n', pos);
        if (end == std::string::npos) {
            end = content.size();
        }
        std::string line = content.substr(pos, end - pos);
        pos = end + 1;
        // A line's own text ends at a NUL byte.
        std::string text = line.substr(0, line.find('\0'));
        std::string trimmed = Trim(text);
        if (!trimmed.empty() && trimmed.front() == '[') {
            size_t close = trimmed.find(']');
            std::string name =
                trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1);
            inSection = EqualNoCase(Trim(name), section);
            continue;
        }
        if (!inSection) {
            continue;
        }
        size_t equals = text.find('=');
        if (equals == std::string::npos || !EqualNoCase(Trim(text.substr(0, equals)), key)) {
            continue;
        }
        std::string value = Trim(text.substr(equals + 1).substr(0, ValueLimit));
        return value.empty() ? defaultValue : value;
    }
    return defaultValue;
}
