#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The seven message tables of the SNMP layer and the edit checks. Each table starts with its
// built-in texts and may be replaced at start-up by a message file of the same role.
class QxMessages {
public:
    enum Table : int {
        Common = 0,    // "common.err": general and edit-check messages
        Snmp = 1,      // "snmp.err": agent error status 1 to 18
        SnmpV3 = 2,    // "snmpv3.err": SNMPv3 message-processing errors
        SnmpUsm = 3,   // "snmpusm.err": USM errors
        SnmpClass = 4, // "snmpclass.err": SNMP library class errors
        QxSnmp = 5,    // "qxsnmp.err": framework errors
        SnmpMsg = 6,   // "snmp.msg": report templates
        TableCount = 7
    };

    struct Mapped {
        int code = 0;
        std::string text;
    };

    // The largest message file that is read; a larger one is skipped.
    static constexpr std::size_t MaxFileSize = 1024 * 1024;

    // File name of a table inside the "errMSg/" folder.
    static const char* FileName(int table);

    // Replaces a table by the non-blank lines of a file, read as UTF-8 when it is valid UTF-8
    // and as Windows-1252 otherwise. A missing, unreadable or blank file leaves the table as it
    // was. Only a regular file of at most MaxFileSize bytes is read; any other file that
    // exists (a FIFO, a device, a folder, a larger file) is skipped with a line on standard
    // error. Returns whether the table was replaced.
    static bool Load(int table, const std::string& path);

    // Loads the seven files from a folder (ending in "/" or empty), in the fixed order.
    static void LoadFolder(const std::string& folder);

    // Back to the built-in texts (tests, and a clean start).
    static void Reset();

    // Entry n of a table. An entry that a shorter loaded file lacks gives its built-in text;
    // an entry beyond every table gives "".
    static std::string Entry(int table, int n);

    // The program code and text of an SNMP library, agent or USM status.
    static Mapped MapStatus(int status);

    // The text of framework error n; its program code is FrameworkCode(n).
    static std::string Framework(int n) { return Entry(QxSnmp, n); }
    static constexpr int FrameworkCode(int n) { return -(500 + n); }
};

// Replaces every occurrence of a placeholder such as "[MIN]" by a value.
std::string ReplacePlaceholder(std::string text, std::string_view placeholder,
                               std::string_view value);
