#pragma once

#include "SimStore.h"

#include <stdexcept>
#include <string>
#include <vector>

// A data file that cannot be served: the message names the file and the line.
class SimDataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An snmprec data file, read and checked as a whole before anything is served. The format is
// described at the top of sim/data/ksw524p.snmprec:
//   OID|TYPE|VALUE     TYPE = tag ["x"] [flags] ["[" allowed values "]"]
// tags 2 4 5 6 64 65 66 67 68 70; "x" hexadecimal value; flags "w" read-write,
// "s" row status, "v" valid/invalid row status, "t" TestAndIncr lock, "a" accepts SETs but keeps
// reading its value, "c" column declaration (not served; the syntax and initial value of the
// column's cells, also of rows created later).
class SimDataFile {
public:
    // Reads the file; throws SimDataError for an unreadable file or the first bad line.
    // Every OID must lie below one of `roots`.
    static SimDataFile Read(const std::string& path, const std::vector<SimOid>& roots);
    // Parses text as if it were the file `path` (same checks).
    static SimDataFile Parse(const std::string& path, const std::string& text,
                             const std::vector<SimOid>& roots);

    // Puts the declarations and objects into the store. An object of the file replaces one
    // the simulator generated, except a live one: that line is refused with SimDataError.
    void ApplyTo(SimStore& store) const;

    size_t LineCount() const { return lines_.size(); }

private:
    struct Line {
        int number = 0;
        SimOid name;
        bool column = false;
        SimEntry entry;        // for objects
        SimColumn declaration; // for column declarations
    };

    [[noreturn]] void Fail(int line, const std::string& message) const;
    void Check();

    std::string path_;
    std::vector<Line> lines_;
};
