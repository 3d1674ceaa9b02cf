#include "shell/QxMessages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* CommonTexts[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Please enter a value, this field can not be empty!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,each number is between [MIN] and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};

constexpr const char* SnmpTexts[] = {
    "Response PDU Too Big!",
    "Variable does not exist!",
    "Cannot modify variable: Bad Value!",
    "Cannot modify object, Read Only!",
    "Cannot perform operation, General Error!",
    "Cannot access variable, No Access!",
    "Cannot create/modify variable, Wrong Type!",
    "Cannot create/set variable, Wrong Length!",
    "Cannot create/set variable, Wrong Encoding!",
    "Cannot create/set variable, Wrong Value!",
    "Cannot create variable, Creation Not Allowed!",
    "Cannot create/set variable, Inconsistent Value!",
    "Cannot create/set variable, Resource Unavailable!",
    "Cannot create/set variable, Commit Failed!",
    "Cannot create/set variable, Undo Failed!",
    "Cannot perform operation, Authorization Error!",
    "Cannot create/set variable, Not Writable!",
    "Cannot create variable, Inconsistent Name!",
};

constexpr const char* SnmpV3Texts[] = {
    "Unsupported Security Model!",
    "Message not in Time Window!",
    "Received same Message twice!",
    "Invalid Message!",
    "Invalid EngineID!",
    "v3MP not initialized!",
    "Parse Error!",
    "Received Message with unknown MsgID!",
    "Message does not match known message!",
    "Community format error!",
    "Unknown UserName!",
    "Build error!",
    "USM: error!",
    "Unknown pdu handlers!",
    "Unavailable Context!",
    "Unknown Context!",
    "Report sent!",
};

constexpr const char* SnmpUsmTexts[] = {
    "error!",
    "Configfile write error!",
    "Unsupported SecurityLevel!",
    "Unknown SecurityName!",
    "Encryption error!",
    "Decryption error!",
    "Authentication error!",
    "Authentication failure!",
    "Parse error!",
    "Unknown EngineID!",
    "Message not in TimeWindow!",
    "Unsupported AuthProtocol!",
    "Unsupported PrivProtocol!",
    "Address error!",
};

constexpr const char* SnmpClassTexts[] = {
    "Operation failed!",
    "Resource unavailable!",
    "Internal error!",
    "Unsupported function!",
    "SNMP request timed out!",
    "Received SNMP Response!",
    "Received SNMP Notification (trap or inform)!",
    "Closing session with outstanding requests!",
    "Unknown error code!",
    "Class not valid!",
    "Invalid Pdu!",
    "Invalid Target!",
    "Invalid (null) Callback Function!",
    "Invalid Request Id!",
    "Invalid Notification Id!",
    "SNMP Operation not supported on specified Target!",
    "Invalid Object Identifier!",
    "Invalid Address!",
    "Agent indicates error in SNMP request!",
    "Transport is not supported!",
    "Transport is in use!",
    "Transport operation failed!",
    "Blocked Mode Shutdown!",
};

constexpr const char* QxSnmpTexts[] = {
    "Ok!",
    "Fail to read SNMP variables from file([FILENAME])!",
    "Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Cannot create the global QxSNMP++ session!",
    "Error when loading SNMP engine boots counter!",
    "Error when saving SNMP engine boots counter!",
    "Invalid IP Address or DNS name!",
    "Can't send get-next command for a SNMP variable list with single value!",
    "Bad SNMP syntax!",
    "Bad SNMP syntax in the expression!",
    "Bad item type of SNMP variable list!",
    "Bad item type of associated SNMP variable list!",
    "Bad syntax of the associated SNMP variable's (partial) data!",
    "Bad value of the associated SNMP variable's (partial) data!",
    "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "No reference option list for a SNMP variable's (partial) data associating with a optional "
    "visual control!",
    "Bad type of the associated visual control!",
    "Count of the associated visual controls is not enough!",
    "No system start time for the timeaxis's associated data with syntax timeticks!",
    "Count of the value items for the chart's history data is not enough!",
    "Log database is not connected!",
    "Log database field not found!",
    "Bad syntax for the history chart of log!",
    "Unknown error code!",
    "'[VALUE]' is not a valid integer value!",
    "Unknown SNMP status ([STATUS])!",
};

constexpr const char* SnmpMsgTexts[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

const std::array<std::span<const char* const>, QxMessages::TableCount> BuiltIn = {
    CommonTexts, SnmpTexts, SnmpV3Texts, SnmpUsmTexts, SnmpClassTexts, QxSnmpTexts, SnmpMsgTexts,
};

constexpr const char* FileNames[QxMessages::TableCount] = {
    "common.err",    "snmp.err",   "snmpv3.err", "snmpusm.err",
    "snmpclass.err", "qxsnmp.err", "snmp.msg",
};

// A table loaded from its file; empty while the built-in texts are in force.
std::array<std::optional<std::vector<std::string>>, QxMessages::TableCount> loaded;

bool IsBlank(const std::string& line) {
    for (unsigned char c : line) {
        if (c > ' ' && c != 0x7F) {
            return false;
        }
    }
    return true;
}

// True when the bytes are well-formed UTF-8: no stray continuation bytes, no overlong forms,
// no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        auto c = static_cast<unsigned char>(bytes[i]);
        size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (bytes.size() - i < length) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The program's texts are UTF-8. Message files written on Windows are often in its Western code
// page, Windows-1252: Latin-1 except for 0x80 to 0x9F, which hold quotes, dashes and the euro
// sign (the five unassigned bytes stay the control characters of the same number).
std::string Windows1252ToUtf8(std::string_view bytes) {
    static constexpr char16_t High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char byte : bytes) {
        auto c = static_cast<unsigned char>(byte);
        AppendUtf8(out, c >= 0x80 && c < 0xA0 ? High[c - 0x80] : c);
    }
    return out;
}

// Reads a message file as UTF-8 text: as it is when it is valid UTF-8, else converted from
// Windows-1252. Then splits it into lines of at most 1,023 characters each (a longer line
// continues in the next piece; a character is never cut), each piece still carrying its line
// terminator.
std::optional<std::vector<std::string>> ReadPieces(const std::string& path) {
    // Opened without blocking, so that a FIFO or a device never holds the start-up; only a
    // regular file of at most MaxFileSize is read. A missing file is silent, anything else
    // that is skipped says so on standard error.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            std::fprintf(stderr, "ksw524p: message file %s skipped: %s\n", path.c_str(),
                         std::strerror(errno));
        }
        return std::nullopt;
    }
    std::unique_ptr<FILE, int (*)(FILE*)> file(::fdopen(fd, "rb"), &std::fclose);
    if (!file) {
        ::close(fd);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fprintf(stderr, "ksw524p: message file %s skipped: not a regular file\n",
                     path.c_str());
        return std::nullopt;
    }
    const auto tooLarge = [&path] {
        std::fprintf(stderr, "ksw524p: message file %s skipped: larger than %zu bytes\n",
                     path.c_str(), QxMessages::MaxFileSize);
        return std::nullopt;
    };
    if (static_cast<std::uintmax_t>(info.st_size) > QxMessages::MaxFileSize) {
        return tooLarge();
    }
    std::string bytes;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, n);
        if (bytes.size() > QxMessages::MaxFileSize) {
            return tooLarge(); // the file grew while it was read
        }
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    const std::string text = IsUtf8(bytes) ? std::move(bytes) : Windows1252ToUtf8(bytes);

    constexpr size_t LineLimit = 1023;
    std::vector<std::string> pieces;
    std::string piece;
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        piece.push_back(c);
        const bool characterEnds =
            i + 1 == text.size() || (static_cast<unsigned char>(text[i + 1]) & 0xC0) != 0x80;
        if (!characterEnds) {
            continue;
        }
        ++characters;
        if (c == '\n' || characters == LineLimit) {
            pieces.push_back(std::move(piece));
            piece.clear();
            characters = 0;
        }
    }
    if (!piece.empty()) {
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

// A message file writes a line break inside an entry as the two characters "\n".
std::string UnescapeLineBreaks(std::string text) {
    return ReplacePlaceholder(std::move(text), "\\n", "\n");
}

} // namespace

std::string ReplacePlaceholder(std::string text, std::string_view placeholder,
                               std::string_view value) {
    if (placeholder.empty()) {
        return text;
    }
    size_t pos = 0;
    while ((pos = text.find(placeholder, pos)) != std::string::npos) {
        text.replace(pos, placeholder.size(), value);
        pos += value.size();
    }
    return text;
}

const char* QxMessages::FileName(int table) {
    return table >= 0 && table < TableCount ? FileNames[table] : "";
}

bool QxMessages::Load(int table, const std::string& path) {
    if (table < 0 || table >= TableCount) {
        return false;
    }
    std::optional<std::vector<std::string>> pieces = ReadPieces(path);
    if (!pieces) {
        return false;
    }
    std::vector<std::string> entries;
    for (std::string& piece : *pieces) {
        if (IsBlank(piece)) {
            continue;
        }
        // Drop the terminator: a final LF, or a CR before the final character and what follows.
        if (!piece.empty() && piece.back() == '\n') {
            piece.pop_back();
        }
        if (!piece.empty() && piece.back() == '\r') {
            piece.pop_back();
        }
        entries.push_back(UnescapeLineBreaks(std::move(piece)));
    }
    if (entries.empty()) {
        return false;
    }
    loaded[static_cast<size_t>(table)] = std::move(entries);
    return true;
}

void QxMessages::LoadFolder(const std::string& folder) {
    constexpr int Order[] = {SnmpClass, Snmp, SnmpMsg, QxSnmp, SnmpV3, SnmpUsm, Common};
    for (int table : Order) {
        Load(table, folder + FileNames[table]);
    }
}

void QxMessages::Reset() {
    for (auto& table : loaded) {
        table.reset();
    }
}

std::string QxMessages::Entry(int table, int n) {
    if (table < 0 || table >= TableCount || n < 0) {
        return {};
    }
    const auto& file = loaded[static_cast<size_t>(table)];
    if (file && static_cast<size_t>(n) < file->size()) {
        return (*file)[static_cast<size_t>(n)];
    }
    const auto& builtIn = BuiltIn[static_cast<size_t>(table)];
    if (static_cast<size_t>(n) < builtIn.size()) {
        return builtIn[static_cast<size_t>(n)];
    }
    return {};
}

QxMessages::Mapped QxMessages::MapStatus(int status) {
    if (status == 0 || status == 1400 || status == -1401) {
        return {0, Entry(QxSnmp, 0)};
    }
    if (status >= 1 && status <= 18) {
        return {-(100 + status), Entry(Snmp, status - 1)};
    }
    if (status >= 1401 && status <= 1414) {
        return {1100 - status, Entry(SnmpUsm, status - 1401)};
    }
    if (status >= -1418 && status <= -1402) {
        return {status + 1201, Entry(SnmpV3, -1402 - status)};
    }
    if (status >= -23 && status <= -1) {
        return {status - 400, Entry(SnmpClass, -1 - status)};
    }
    return {FrameworkCode(28),
            ReplacePlaceholder(Entry(QxSnmp, 28), "[STATUS]", std::to_string(status))};
}
