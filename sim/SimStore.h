#pragma once

#include "SimValue.h"

#include <functional>
#include <map>
#include <vector>

enum class SimAccess : uint8_t {
    ReadOnly,
    ReadWrite,
    RowStatus, // read-write; createAndGo / createAndWait / destroy create and remove its row
    // read-write status of a table whose rows read valid (3): valid creates a missing row
    // and keeps an existing one, invalid (2) removes the row
    ValidStatus,
    // read-write TestAndIncr lock: a SET must carry the current value (else
    // inconsistentValue) and then advances it by one, wrapping to 0 after 2147483647
    TestAndIncr,
    // writable, but a SET leaves the value read unchanged: objects whose writes act on
    // something else and that always read the same (key changes, clone-from pointers)
    Accepting,
};

// Whether an object of this access is the status column of its table, which creates and
// removes the table's rows.
constexpr bool IsRowStatus(SimAccess access) {
    return access == SimAccess::RowStatus || access == SimAccess::ValidStatus;
}

// What a SET must satisfy: the object's type, access and allowed values.
struct SimSyntax {
    SimType type = SimType::Null;
    SimAccess access = SimAccess::ReadOnly;
    SimConstraint constraint;

    bool operator==(const SimSyntax&) const = default;
};

// One served object instance. A live entry computes its value at every read.
struct SimEntry {
    SimSyntax syntax;
    SimValue value;
    std::function<SimValue()> live;

    SimValue Current() const { return live ? live() : value; }
};

// A declared column of a table whose rows can be created: the syntax of its cells and the
// value a created row starts with. indexPart > 0 makes the value part of the row's index, for
// index columns that are also served: for a numeric column that sub-identifier (1 = the
// first), for an IpAddress column the four sub-identifiers from that one, for an octet-string
// column that string when the index is read as a sequence of length-prefixed strings (a user
// name after an engine ID).
struct SimColumn {
    SimSyntax syntax;
    SimValue initial;
    unsigned indexPart = 0;
};

// The served objects, sorted by OID: exact look-up and get-next are O(log n).
class SimStore {
public:
    using Entries = std::map<SimOid, SimEntry>;
    // Runs after a committed SET changed `name` (entry is nullptr when it was removed).
    using Hook = std::function<void(const SimOid& name, const SimEntry* entry)>;

    void Clear();

    const SimEntry* Find(const SimOid& name) const;
    SimEntry* Find(const SimOid& name);
    // The first entry after `name` whose OID starts with `root`; nullptr when there is none.
    const Entries::value_type* Next(const SimOid& name, const SimOid& root) const;
    // Whether any entry, or any declared column, lies at or below `prefix`.
    bool HasBelow(const SimOid& prefix) const;

    void Put(const SimOid& name, SimEntry entry);
    void Erase(const SimOid& name);
    size_t Size() const { return entries_.size(); }

    void DeclareColumn(const SimOid& column, SimColumn definition);
    // The declared column that `name` is a cell of (name = column + index), with the
    // column's OID; nullptr when it is no cell of a declared column.
    const SimColumn* ColumnOf(const SimOid& name, SimOid* column = nullptr) const;
    // All declared columns of the table entry `entry` (column = entry + one sub-identifier).
    std::vector<std::pair<SimOid, const SimColumn*>> ColumnsOf(const SimOid& entry) const;

    // A function run after a committed SET changed an object at or below `prefix` (device
    // commands, tables whose content the agent acts on).
    void OnCommit(const SimOid& prefix, Hook hook);
    const Hook* CommitHook(const SimOid& name) const;

private:
    Entries entries_;
    std::map<SimOid, SimColumn> columns_;
    std::map<SimOid, Hook> hooks_;
};
