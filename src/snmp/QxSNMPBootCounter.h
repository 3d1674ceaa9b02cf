#pragma once

#include <cstdint>
#include <string>

// The boot counter of the local SNMPv3 engine, kept in a small text file: one line per engine,
// "<engine id> <count>". The file may hold the counters of other engines; their lines are kept
// as they are when the file is rewritten.
class QxSNMPBootCounter {
public:
    static constexpr const char* FileName = "QxSNMP_PP_BootCounter";
    static constexpr const char* EngineId = "QxSNMP_PP_Application";
    // snmpEngineBoots stops at its largest value instead of wrapping.
    static constexpr std::uint32_t MaxCount = 2147483647u;

    enum Status : int {
        Found = 0,       // the engine's line was read
        NoEntry = -1,    // the file holds no line for the engine (counter 0)
        CannotOpen = -2, // the file is missing or cannot be read (counter 0)
        BadEntry = -3,   // the engine's line does not hold a count
    };

    // "folder/file"; an empty folder gives the file alone (the current folder), and a folder
    // that already ends in "/" gets no second one.
    static std::string JoinPath(const std::string& folder, const std::string& file);

    // Reads the engine's counter; `counter` is 0 unless the status is Found.
    static int Load(const std::string& path, const std::string& engineId, std::uint32_t& counter);

    // Writes the engine's counter through a temporary file renamed over the old one, so the
    // file is never left half written. Returns 0 when saved, -1 otherwise.
    static int Save(const std::string& path, const std::string& engineId, std::uint32_t counter);

    // One start of the program: reads the counter of our engine from the file in `folder`,
    // increases it and saves it. Returns the increased counter. A damaged line of our engine is
    // replaced by a fresh counter (1), with a line on standard error; a file that cannot be
    // read counts as 0. Raises framework error -508 when the counter cannot be saved.
    static std::uint32_t Advance(const std::string& folder);
};
