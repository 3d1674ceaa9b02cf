#pragma once

// The digits of the texts the module reads and writes: ASCII only, whatever the user's locale.
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of a hexadecimal digit in either case, or -1 for any other character.
inline int HexDigit(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}
