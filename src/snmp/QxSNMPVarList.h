#pragma once

#include "snmp/UISnmpVar.h"
#include "vocab/QxOptionList.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One variable of a list: the descriptor's texts as owned copies plus the run-time value and
// the instance OID most recently answered (or the start of the next get-next).
struct QxSNMPVar {
    std::string oid;
    std::string label;
    int syntax = 0;
    std::uint32_t access = 0;
    const QxOptionList* options = nullptr; // not owned
    std::optional<std::string> readFormula;
    std::optional<std::string> writeFormula;
    std::optional<std::string> spare;
    std::string value;
    std::string instanceOid;
};

// An ordered, owning list of variables with the addressing parameters of a page: instance
// suffix, number of index parts, list kind and display name.
class QxSNMPVarList {
public:
    QxSNMPVarList() = default;
    QxSNMPVarList(const UISnmpVar* table, std::uint8_t kind, int indexCount);
    QxSNMPVarList(const QxSNMPVarList&) = delete;
    QxSNMPVarList& operator=(const QxSNMPVarList&) = delete;
    QxSNMPVarList(QxSNMPVarList&&) = default;
    QxSNMPVarList& operator=(QxSNMPVarList&&) = default;

    // Adds one entry per static row up to the row without an OID.
    void Append(const UISnmpVar* table);
    // Adds one entry; an empty formula text is stored as none.
    void AppendRow(const std::string& oid, const std::string& label, int syntax,
                   std::uint32_t access, const QxOptionList* options,
                   const std::string& readFormula = {}, const std::string& writeFormula = {},
                   const std::string& spare = {});
    // Appends "." and the text to every entry's OID (one instance of a whole row).
    void AddSuffixToOids(const std::string& text);
    // Deep copy of another list's entries, kind, index count and name; this list keeps its own
    // suffix and owned option lists.
    void Assign(const QxSNMPVarList& other);
    // Option lists that belong to this list and are destroyed with it.
    void AdoptOptionList(std::unique_ptr<QxOptionList> list);

    int Count() const { return static_cast<int>(rows_.size()); }
    // The caller keeps i below Count().
    QxSNMPVar& Entry(int i) { return rows_[static_cast<size_t>(i)]; }
    const QxSNMPVar& Entry(int i) const { return rows_[static_cast<size_t>(i)]; }

    bool IsReadable(int i) const;
    bool IsSettable(int i) const;
    bool IsShown(int i) const;
    bool IsNotInView(int i) const;
    bool IsImplied(int i) const;
    int CountShown() const;
    int CountNotInView() const;

    // The entry's OID with the optional suffix part ("." and suffix when the suffix is set).
    std::string BaseOid(int i) const;
    // The OID a get asks for, and the first step of a walk: the base, and ".0" for scalars.
    std::string GetOid(int i) const;

    std::string suffix;
    int indexCount = 0;
    std::uint8_t kind = SVT_SV;
    std::string name;

private:
    // Declared first so that the entries, which refer to them, are destroyed before them.
    std::vector<std::unique_ptr<QxOptionList>> ownedOptionLists_;
    std::vector<QxSNMPVar> rows_;
};
