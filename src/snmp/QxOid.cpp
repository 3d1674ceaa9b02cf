#include "snmp/QxOid.h"

#include <algorithm>

QxOid OidFromText(std::string_view text) {
    QxOid oid;
    oid.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '.')) + 1);
    size_t i = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
    }
    while (i < text.size()) {
        if (text[i] < '0' || text[i] > '9') {
            break;
        }
        std::uint32_t n = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            n = n * 10u + static_cast<std::uint32_t>(text[i] - '0');
            ++i;
        }
        oid.push_back(n);
        if (i < text.size()) {
            if (text[i] != '.') {
                break;
            }
            ++i;
        }
    }
    return oid;
}

std::string OidToText(const QxOid& oid) {
    std::string text;
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i > 0) {
            text.push_back('.');
        }
        text += std::to_string(oid[i]);
    }
    return text;
}
