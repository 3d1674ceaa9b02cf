#pragma once

#include <string>
#include <vector>

class QxItemList;

// One pair of a static option table: the device-side value (an integer, or a text for the text
// kinds) and the label shown to the user. A table ends at the first pair without a label.
struct OptionPair {
    int value = 0;
    const char* text = nullptr;
    const char* label = nullptr;

    constexpr OptionPair() = default;
    constexpr OptionPair(int v, const char* l) : value(v), label(l) {}
    constexpr OptionPair(const char* v, const char* l) : text(v), label(l) {}
};

// The named-value vocabulary of one enumerated MIB variable: an ordered list of value/label
// entries, built once from a static table and read-only afterwards.
class QxOptionList {
public:
    enum Kind : int { olInteger = 1, olText = 2, olPrefix = 3 };

    struct OptionEntry {
        int value = 0;     // olInteger
        std::string text;  // olText, olPrefix
        std::string label; // may be empty
    };

    // A null table counts as an empty one.
    QxOptionList(const OptionPair* table, Kind kind, bool caseSensitive = false);

    void Append(const OptionPair* table);

    Kind GetKind() const { return kind_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    // The caller keeps the position within 0 .. Count() - 1.
    const OptionEntry& Entry(int position) const { return entries_[static_cast<size_t>(position)]; }

    int IndexOfLabel(const std::string& text) const;
    int IndexOfValue(const std::string& text) const;
    std::string LabelOf(const std::string& valueText) const;
    std::string ValueOf(const std::string& labelText) const;

    void FillItems(QxItemList& control) const;
    void SelectText(QxItemList& control, const std::string& text) const;

private:
    bool Matches(const std::string& entryText, const std::string& text) const;

    Kind kind_;
    bool caseSensitive_;
    std::vector<OptionEntry> entries_;
};
