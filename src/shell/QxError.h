#pragma once

#include <stdexcept>
#include <string>

// The error raised by synchronous operations: a message text of the message tables and the
// program code that belongs to it.
class QxError : public std::runtime_error {
public:
    QxError(std::string text, int code) : std::runtime_error(std::move(text)), code_(code) {}

    int Code() const { return code_; }
    std::string Text() const { return what(); }

    // Framework error n: text of table 5 entry n, code -(500 + n).
    static QxError Framework(int n);
    // The mapped code and text of an SNMP status.
    static QxError FromStatus(int status);

private:
    int code_;
};
