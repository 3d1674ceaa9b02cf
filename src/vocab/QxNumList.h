#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A list of 32-bit numbers read from a text of numbers joined by one separator character, such
// as the position list "0,2,5" or the address "192.168.0.1".
template <typename T> class QxNumList {
public:
    static_assert(sizeof(T) == 4, "QxNumList holds 32-bit numbers");

    // Replaces the contents by the numbers of the text. Empty pieces give 0; a "." that is not
    // the separator starts a fraction whose digits are dropped. Characters are not validated:
    // the texts come from the program or have passed the edit filters.
    void Parse(const std::string& text) {
        values_.clear();
        if (text.empty()) {
            return;
        }
        size_t count = 1;
        for (char c : text) {
            count += c == separator ? 1 : 0;
        }
        values_.assign(count, 0);
        size_t i = 0;
        bool inFraction = false;
        for (char c : text) {
            if (c == separator) {
                ++i;
                inFraction = false;
            } else if (c == '.') {
                inFraction = true;
            } else if (!inFraction) {
                // 32-bit wrap-around arithmetic, done unsigned so it is well defined.
                auto v = static_cast<std::uint32_t>(values_[i]);
                v = v * 10u + static_cast<std::uint32_t>(static_cast<unsigned char>(c)) -
                    static_cast<std::uint32_t>('0');
                values_[i] = static_cast<T>(v);
            }
        }
    }

    int IndexOf(T number) const {
        for (size_t i = 0; i < values_.size(); ++i) {
            if (values_[i] == number) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    // The caller keeps the position within 0 .. Count() - 1.
    T Get(int position) const { return values_[static_cast<size_t>(position)]; }

    // Every element within low..high, compared as unsigned numbers; true for an empty list.
    bool AllInRange(T low, T high) const {
        auto lo = static_cast<std::uint32_t>(low);
        auto hi = static_cast<std::uint32_t>(high);
        for (T v : values_) {
            auto u = static_cast<std::uint32_t>(v);
            if (u < lo || u > hi) {
                return false;
            }
        }
        return true;
    }

    int Count() const { return static_cast<int>(values_.size()); }

    char separator = '.';

private:
    std::vector<T> values_;
};
