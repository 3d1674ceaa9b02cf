#pragma once

#include <optional>
#include <string>

struct QxSNMPGlobal;
struct QxSettingsTexts;

// The per-device configuration file "<address>.cfg": where it is, how the start-up reads it
// into the connection record, and how the settings dialog writes it.
class QxDeviceConfig {
public:
    static constexpr const char* Section = "Program Information";

    // True when the folder that holds the program's folder is named exactly "velsyn_ems".
    static bool IsSuiteMode(const std::string& programFolder);

    // The file to read: in suite mode beside the program; otherwise under the suite's
    // installation folder recorded in the system settings ("../Conf/MBF/" below its path), or
    // none when the settings hold no such record. programFolder ends in "/".
    static std::optional<std::string> Locate(bool suiteMode, const std::string& programFolder,
                                             const std::string& address);

    // Reads an existing file into the record and the text copies; a file that is missing, whose
    // path cannot be examined or that cannot be opened changes nothing. Returns whether the file
    // was read.
    static bool Read(const std::string& path, QxSNMPGlobal& global, QxSettingsTexts& texts);

    // The file and the settings dialog store protocols as positions (from 0) in the lists
    // "None", "HMACMD5", "HMAC_SHA", "HMAC_SHA224", "HMAC_SHA256", "HMAC_SHA384",
    // "HMAC_SHA512" and "None", "CBC_DES", "CBC_IDEA", "CFB_AES128", "CFB_AES192",
    // "CFB_AES256"; the record holds the protocol codes of QxSNMPSecurity. Position + 1 is the
    // code except for CBC-IDEA (9), AES-192 (20) and AES-256 (21). These give the position of
    // a code, -1 for a code that is in neither list.
    static int AuthPosition(int code);
    static int PrivPosition(int code);
    // The code the reader takes for a stored position (or any other number): position + 1,
    // with the three privacy exceptions above.
    static int PrivCodeOfPosition(long position);

    // What the settings dialog writes, as it shows it.
    struct Values {
        std::string agentIp;
        std::string agentPort;
        std::string version;      // "0", "1", "3" or empty
        std::string securityName; // empty unless the version is SNMPv3
        std::string authPassword;
        std::string privPassword;
        int authProtocol = -1; // selected position: 0 none, 1 HMAC-MD5, 2 HMAC-SHA,
                               // 3 to 6 HMAC-SHA-224/256/384/512; -1 none
        int privProtocol = -1; // 0 none, 1 CBC-DES, 2 CBC-IDEA, 3 to 5 CFB-AES-128/192/256;
                               // -1 none
        std::string contextEngineId;
        int securityLevel = -1; // 0 noAuthNoPriv, 1 authNoPriv, 2 authPriv; -1 none
        std::string contextName;
        std::string getCommunity;
        std::string setCommunity;
        std::string updateDate;
        std::string updateTime;
        // "GetBulk=0" keeps get-next walks for an agent that mishandles GETBULK. Empty: the
        // key is left out, or kept as the file at the path has it when that file is rewritten.
        std::string getBulk;
    };

    // The exact bytes of a file: the section line and sixteen key lines separated by CR LF,
    // each line but two followed by a NUL byte, no final line break; a given getBulk adds
    // its key line before the last.
    static std::string Format(const Values& values);

    // Replaces the file atomically (a temporary file in the same folder, then a rename), so a
    // failed write keeps the old file whole; the file is readable and writable by its owner
    // only, as it holds pass phrases. Returns false when it could not be written.
    static bool Write(const std::string& path, const Values& values);
};
