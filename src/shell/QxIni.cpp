#include "shell/QxIni.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <string_view>

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

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

const QxIni::Index& QxIni::Read() const {
    if (index_) {
        return *index_;
    }
    auto index = std::make_shared<Index>();
    std::ifstream file(fileName_, std::ios::binary);
    std::string content;
    if (file) {
        content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    std::map<std::string, std::string>* section = nullptr;
    size_t pos = 0;
    while (pos <= content.size()) {
        size_t end = content.find('\n', pos);
        if (end == std::string::npos) {
            end = content.size();
        }
        // A line's own text ends at a NUL byte.
        const std::string_view line(content.data() + pos, end - pos);
        pos = end + 1;
        const std::string text(line.substr(0, line.find('\0')));
        const std::string trimmed = Trim(text);
        if (!trimmed.empty() && trimmed.front() == '[') {
            size_t close = trimmed.find(']');
            std::string name =
                trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1);
            section = &(*index)[Lower(Trim(name))];
            continue;
        }
        if (section == nullptr) {
            continue;
        }
        size_t equals = text.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        // The first line of a key counts, as a reader that searches from the top finds it.
        section->emplace(Lower(Trim(text.substr(0, equals))),
                         Trim(text.substr(equals + 1).substr(0, ValueLimit)));
    }
    index_ = std::move(index);
    return *index_;
}

std::string QxIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    const Index& index = Read();
    auto s = index.find(Lower(section));
    if (s == index.end()) {
        return defaultValue;
    }
    auto k = s->second.find(Lower(key));
    if (k == s->second.end() || k->second.empty()) {
        return defaultValue;
    }
    return k->second;
}
