#pragma once

#include <string>
#include <string_view>
#include <vector>

// Texts of list cells: the readable forms of port lists and MAC addresses, the order in which
// cells sort, and the tab-separated and CSV forms of rows. Plain C++, no Qt.

// A 28-port bit list as port numbers, runs of three or more joined by a dash: "F08000F0" gives
// "1-4, 9, 25-28"; port 1 is the most significant bit of the first octet; "" for no port.
// Anything that is not such a list (not hexadecimal, a bit beyond port 28, more than four
// octets) comes back unchanged.
std::string PortListCellText(const std::string& hex);
constexpr int PortListPorts = 28;

// A MAC address held as twelve hexadecimal digits, as six octets joined by dashes
// ("00-1A-2B-3C-4D-5E"); any other text comes back unchanged.
std::string MacCellText(const std::string& hex);

// The key a cell sorts by. Numbers (with sign and fraction), time-ticks texts ("1 day
// 2:03:04.05", by their duration) and MAC addresses (as 48-bit numbers) sort by value; other
// texts in natural order: runs of digits by their value, the rest without regard to letter case,
// so that addresses and dotted indexes (192.168.1.9 before 192.168.1.10, 1.3.6.1.9 before
// 1.3.6.1.10) sort by value. A text that begins with digits sorts among the numbers by the
// value of those digits, after a number of that value; texts that do not begin with a digit
// come last. The order is a strict weak order whatever texts a column mixes.
class QxCellSortKey {
public:
    QxCellSortKey() = default;
    explicit QxCellSortKey(std::string_view text);

    // <0, 0, >0.
    int Compare(const QxCellSortKey& other) const;
    bool operator<(const QxCellSortKey& other) const { return Compare(other) < 0; }

private:
    struct Part {
        bool digits = false;
        std::string text; // digits without leading zeros, or the text in lower case
    };
    bool valued_ = false;   // a number, or a text that begins with digits
    long double value_ = 0; // the number, or the value of the leading digits
    bool text_ = false;     // not a number: ties on the value go on to the parts
    std::vector<Part> parts_;
};

// One CSV field: quoted (with inner quotes doubled) when it holds a comma, a quote, a line
// break or leading or trailing blanks.
std::string CsvField(const std::string& text);
// Fields joined by commas, ending in a line feed.
std::string CsvLine(const std::vector<std::string>& fields);
// Fields joined by tabs, ending in a line feed; tabs and line breaks inside a field become
// blanks, so that every row stays one line of as many fields as there are columns.
std::string TabLine(const std::vector<std::string>& fields);
