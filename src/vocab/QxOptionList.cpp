#include "vocab/QxOptionList.h"

#include "vocab/QxItemList.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

bool EqualNoCase(const std::string& a, size_t length, const std::string& b) {
    for (size_t i = 0; i < length; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// The platform's string-to-integer conversion: optional blanks and sign, then decimal digits
// to the end of the text, within the signed 32-bit range.
bool ToInt32(const std::string& text, int& out) {
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t') {
        ++begin;
    }
    if (*begin == '\0') {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(begin, &end, 10);
    if (end == begin || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) {
        return false;
    }
    out = static_cast<int>(v);
    return true;
}

} // namespace

QxOptionList::QxOptionList(const OptionPair* table, Kind kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive) {
    Append(table);
}

void QxOptionList::Append(const OptionPair* table) {
    if (table == nullptr) {
        return;
    }
    for (const OptionPair* pair = table; pair->label != nullptr; ++pair) {
        OptionEntry entry;
        if (kind_ == olInteger) {
            entry.value = pair->value;
        } else {
            entry.text = pair->text != nullptr ? pair->text : "";
        }
        entry.label = pair->label;
        entries_.push_back(std::move(entry));
    }
}

// Whole-text match for the integer and text kinds, prefix match for olPrefix: the entry's text
// must start the given text.
bool QxOptionList::Matches(const std::string& entryText, const std::string& text) const {
    if (kind_ == olPrefix) {
        if (text.size() < entryText.size()) {
            return false;
        }
        return caseSensitive_ ? text.compare(0, entryText.size(), entryText) == 0
                              : EqualNoCase(text, entryText.size(), entryText);
    }
    if (text.size() != entryText.size()) {
        return false;
    }
    return caseSensitive_ ? text == entryText : EqualNoCase(text, text.size(), entryText);
}

int QxOptionList::IndexOfLabel(const std::string& text) const {
    for (int i = 0; i < Count(); ++i) {
        if (Matches(entries_[static_cast<size_t>(i)].label, text)) {
            return i;
        }
    }
    return -1;
}

int QxOptionList::IndexOfValue(const std::string& text) const {
    if (kind_ == olInteger) {
        int number = 0;
        if (text == "(NULL)" || !ToInt32(text, number)) {
            return -1;
        }
        for (int i = 0; i < Count(); ++i) {
            if (entries_[static_cast<size_t>(i)].value == number) {
                return i;
            }
        }
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        if (Matches(entries_[static_cast<size_t>(i)].text, text)) {
            return i;
        }
    }
    return -1;
}

std::string QxOptionList::LabelOf(const std::string& valueText) const {
    int i = IndexOfValue(valueText);
    if (i < 0) {
        return valueText;
    }
    const OptionEntry& e = Entry(i);
    if (kind_ == olPrefix) {
        return e.label + valueText.substr(e.text.size());
    }
    return e.label;
}

std::string QxOptionList::ValueOf(const std::string& labelText) const {
    int i = IndexOfLabel(labelText);
    if (i < 0) {
        return labelText;
    }
    const OptionEntry& e = Entry(i);
    switch (kind_) {
    case olInteger:
        return std::to_string(e.value);
    case olText:
        return e.text;
    case olPrefix:
        return e.text + labelText.substr(e.label.size());
    }
    return labelText;
}

void QxOptionList::FillItems(QxItemList& control) const {
    control.ClearItems();
    for (const OptionEntry& e : entries_) {
        control.AddItem(e.label);
    }
}

void QxOptionList::SelectText(QxItemList& control, const std::string& text) const {
    control.SetItemIndex(IndexOfLabel(text));
    if (control.ItemIndex() < 0) {
        control.SetItemIndex(IndexOfValue(text));
    }
}
