#include "snmp/QxSNMPVarList.h"

#include "vocab/QxOptionList.h"

namespace {

std::optional<std::string> OptionalText(const char* text) {
    return text != nullptr ? std::optional<std::string>(text) : std::nullopt;
}

std::optional<std::string> NonEmpty(const std::string& text) {
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

} // namespace

QxSNMPVarList::QxSNMPVarList(const UISnmpVar* table, std::uint8_t listKind, int indexParts)
    : indexCount(indexParts), kind(listKind) {
    Append(table);
}

void QxSNMPVarList::Append(const UISnmpVar* table) {
    if (table == nullptr) {
        return;
    }
    for (const UISnmpVar* row = table; row->oid != nullptr; ++row) {
        QxSNMPVar v;
        v.oid = row->oid;
        v.label = row->label != nullptr ? row->label : "";
        v.syntax = row->syntax;
        v.access = row->access;
        v.options = row->options;
        v.readFormula = OptionalText(row->readFormula);
        v.writeFormula = OptionalText(row->writeFormula);
        v.spare = OptionalText(row->spare);
        v.value = row->value != nullptr ? row->value : "";
        v.instanceOid = row->instanceOid != nullptr ? row->instanceOid : "";
        rows_.push_back(std::move(v));
    }
}

void QxSNMPVarList::AppendRow(const std::string& oid, const std::string& label, int syntax,
                              std::uint32_t access, const QxOptionList* options,
                              const std::string& readFormula, const std::string& writeFormula,
                              const std::string& spare) {
    QxSNMPVar v;
    v.oid = oid;
    v.label = label;
    v.syntax = syntax;
    v.access = access;
    v.options = options;
    v.readFormula = NonEmpty(readFormula);
    v.writeFormula = NonEmpty(writeFormula);
    v.spare = NonEmpty(spare);
    rows_.push_back(std::move(v));
}

void QxSNMPVarList::AddSuffixToOids(const std::string& text) {
    for (QxSNMPVar& v : rows_) {
        v.oid += "." + text;
    }
}

void QxSNMPVarList::Assign(const QxSNMPVarList& other) {
    if (&other == this) {
        return;
    }
    kind = other.kind;
    indexCount = other.indexCount;
    name = other.name;
    rows_ = other.rows_;
}

void QxSNMPVarList::AdoptOptionList(std::unique_ptr<QxOptionList> list) {
    ownedOptionLists_.push_back(std::move(list));
}

bool QxSNMPVarList::IsReadable(int i) const {
    std::uint32_t a = Entry(i).access;
    return (a & acInvalid) == 0 && (a & acReadonly) != 0;
}

bool QxSNMPVarList::IsSettable(int i) const {
    std::uint32_t a = Entry(i).access;
    if ((a & acInvalid) != 0) {
        return false;
    }
    // Index parts of a table can be given when a row is created.
    bool indexPart = (kind == MVT_FMV || kind == MVT_UMV) && i < indexCount;
    return (a & acWriteonly) != 0 || indexPart;
}

bool QxSNMPVarList::IsShown(int i) const {
    std::uint32_t a = Entry(i).access;
    return (a & (acInvalid | acHidden)) == 0 && (a & (acNotaccess | acDerived | acReadonly)) != 0;
}

bool QxSNMPVarList::IsNotInView(int i) const {
    std::uint32_t a = Entry(i).access;
    return a == acWriteonly || (a & (acHidden | acInvalid)) != 0;
}

bool QxSNMPVarList::IsImplied(int i) const {
    return (Entry(i).access & acImplied) != 0;
}

int QxSNMPVarList::CountShown() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) {
        n += IsShown(i) ? 1 : 0;
    }
    return n;
}

int QxSNMPVarList::CountNotInView() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) {
        n += IsNotInView(i) ? 1 : 0;
    }
    return n;
}

std::string QxSNMPVarList::BaseOid(int i) const {
    const std::string& oid = Entry(i).oid;
    return suffix.empty() ? oid : oid + "." + suffix;
}

std::string QxSNMPVarList::GetOid(int i) const {
    return kind == SVT_SV ? BaseOid(i) + ".0" : BaseOid(i);
}
