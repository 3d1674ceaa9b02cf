#include "SimDataFile.h"

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool IsNumeric(SimType type) {
    return type == SimType::Integer || type == SimType::Counter32 || type == SimType::Gauge32 ||
           type == SimType::TimeTicks || type == SimType::Counter64;
}

bool IsSized(SimType type) {
    return type == SimType::OctetString || type == SimType::Opaque;
}

// The number a constraint applies to: the integer value, or the length of an octet string.
int64_t Measure(const SimValue& v) {
    if (IsSized(v.type))
        return static_cast<int64_t>(v.bytes.size());
    if (v.type == SimType::Integer)
        return v.AsInteger();
    return static_cast<int64_t>(v.number);
}

struct TypeField {
    SimSyntax syntax;
    bool hex = false;
    bool column = false;
    bool constrained = false;
};

// TYPE = tag ["x"] [flags "w" "s" "v" "t" "a" "c"] ["[" ranges "]"]
std::optional<TypeField> ParseTypeField(std::string_view text, std::string& why) {
    TypeField field;
    size_t i = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    unsigned tag = 0;
    if (i == 0 || std::from_chars(text.data(), text.data() + i, tag).ec != std::errc()) {
        why = "the type must start with a numeric type tag";
        return std::nullopt;
    }
    const auto type = TypeOfTag(tag);
    if (!type) {
        why = "unknown type tag " + std::to_string(tag);
        return std::nullopt;
    }
    field.syntax.type = *type;
    if (i < text.size() && text[i] == 'x') {
        field.hex = true;
        ++i;
    }
    for (; i < text.size() && text[i] != '['; ++i) {
        switch (text[i]) {
        case 'w':
            if (field.syntax.access == SimAccess::ReadOnly)
                field.syntax.access = SimAccess::ReadWrite;
            break;
        case 's':
            field.syntax.access = SimAccess::RowStatus;
            break;
        case 'v':
            field.syntax.access = SimAccess::ValidStatus;
            break;
        case 't':
            field.syntax.access = SimAccess::TestAndIncr;
            break;
        case 'a':
            field.syntax.access = SimAccess::Accepting;
            break;
        case 'c':
            field.column = true;
            break;
        default:
            why =
                std::string("unknown flag '") + text[i] + "' in type \"" + std::string(text) + "\"";
            return std::nullopt;
        }
    }
    if (i < text.size()) {
        if (text.back() != ']') {
            why = "allowed values must be closed with ']'";
            return std::nullopt;
        }
        const std::string_view allowed = text.substr(i + 1, text.size() - i - 2);
        const auto constraint = field.syntax.type == SimType::ObjectId
                                    ? ParseNameConstraint(allowed)
                                    : ParseConstraint(allowed);
        if (!constraint) {
            why = "malformed allowed values \"" + std::string(text.substr(i)) + "\"";
            return std::nullopt;
        }
        if (!IsNumeric(field.syntax.type) && !IsSized(field.syntax.type) &&
            field.syntax.type != SimType::ObjectId) {
            why = std::string("allowed values do not apply to ") + TypeName(field.syntax.type);
            return std::nullopt;
        }
        field.syntax.constraint = *constraint;
        field.constrained = true;
    }
    if (IsRowStatus(field.syntax.access) && field.syntax.type != SimType::Integer) {
        why = "a row status must be an Integer";
        return std::nullopt;
    }
    if (field.syntax.access == SimAccess::TestAndIncr && field.syntax.type != SimType::Integer) {
        why = "a TestAndIncr lock must be an Integer";
        return std::nullopt;
    }
    return field;
}

} // namespace

void SimDataFile::Fail(int line, const std::string& message) const {
    throw SimDataError(path_ + ", line " + std::to_string(line) + ": " + message);
}

SimDataFile SimDataFile::Read(const std::string& path, const std::vector<SimOid>& roots) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SimDataError(path + ": cannot read the data file");
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(path, text.str(), roots);
}

SimDataFile SimDataFile::Parse(const std::string& path, const std::string& text,
                               const std::vector<SimOid>& roots) {
    SimDataFile file;
    file.path_ = path;
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        std::string_view line = raw;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::string_view content = Trim(line);
        if (content.empty() || content.front() == '#')
            continue;

        const size_t bar1 = line.find('|');
        const size_t bar2 = bar1 == std::string_view::npos ? bar1 : line.find('|', bar1 + 1);
        if (bar2 == std::string_view::npos)
            file.Fail(number, "expected OID|TYPE|VALUE");
        const std::string_view oidText = Trim(line.substr(0, bar1));
        const std::string_view typeText = Trim(line.substr(bar1 + 1, bar2 - bar1 - 1));
        const std::string_view valueText = line.substr(bar2 + 1);

        Line parsed;
        parsed.number = number;
        const auto name = ParseOid(oidText);
        if (!name)
            file.Fail(number, "malformed OID \"" + std::string(oidText) + "\"");
        parsed.name = *name;
        bool served = false;
        for (const SimOid& root : roots)
            served = served || (StartsWith(parsed.name, root) && parsed.name.size() > root.size());
        if (!served)
            file.Fail(number,
                      OidText(parsed.name) + " is outside the subtrees the simulator serves");

        std::string why;
        const auto type = ParseTypeField(typeText, why);
        if (!type)
            file.Fail(number, why);
        parsed.column = type->column;

        SimValue value;
        unsigned indexPart = 0;
        if (parsed.column && valueText.size() > 1 && valueText.front() == '$') {
            if (!IsNumeric(type->syntax.type) && type->syntax.type != SimType::OctetString &&
                type->syntax.type != SimType::IpAddress)
                file.Fail(number,
                          "an index value ($N) needs a numeric, octet-string or IpAddress type");
            const auto part = std::from_chars(valueText.data() + 1,
                                              valueText.data() + valueText.size(), indexPart);
            if (part.ec != std::errc() || part.ptr != valueText.data() + valueText.size() ||
                indexPart == 0)
                file.Fail(number, "malformed index value \"" + std::string(valueText) + "\"");
            value.type = type->syntax.type;
        } else {
            const auto parsedValue = ParseValue(type->syntax.type, type->hex, valueText, why);
            if (!parsedValue)
                file.Fail(number, why);
            value = *parsedValue;
            if (!type->syntax.constraint.Allows(Measure(value)) ||
                (value.type == SimType::ObjectId &&
                 !type->syntax.constraint.AllowsName(value.name)))
                file.Fail(number, "the value lies outside the allowed values");
        }
        if (!parsed.column && IsRowStatus(type->syntax.access))
            file.Fail(number, "a row status is declared on its column (flags \"sc\" or \"vc\"), "
                              "not on a cell");
        if (parsed.column) {
            parsed.declaration.syntax = type->syntax;
            parsed.declaration.initial = value;
            parsed.declaration.indexPart = indexPart;
        } else {
            parsed.entry.syntax = type->syntax;
            parsed.entry.value = value;
        }
        file.lines_.push_back(std::move(parsed));
    }
    file.Check();
    return file;
}

void SimDataFile::Check() {
    std::map<SimOid, const Line*> columns;
    std::map<SimOid, const Line*> objects;
    for (const Line& line : lines_) {
        auto& seen = line.column ? columns : objects;
        const auto [it, inserted] = seen.emplace(line.name, &line);
        if (!inserted)
            Fail(line.number, OidText(line.name) + " is already given at line " +
                                  std::to_string(it->second->number));
    }

    // Column declarations must not nest, and a table has at most one row status.
    std::map<SimOid, const Line*> statusOfTable;
    const Line* previous = nullptr;
    for (const auto& [name, line] : columns) {
        if (previous != nullptr && StartsWith(name, previous->name))
            Fail(line->number, "column " + OidText(name) +
                                   " lies inside the column declared at line " +
                                   std::to_string(previous->number));
        previous = line;
        if (objects.count(name) != 0)
            Fail(objects.at(name)->number,
                 OidText(name) + " is a declared column, not an object instance");
        if (IsRowStatus(line->declaration.syntax.access)) {
            const SimOid entry(name.begin(), name.end() - 1);
            const auto [it, inserted] = statusOfTable.emplace(entry, line);
            if (!inserted)
                Fail(line->number, "the table already has the row status declared at line " +
                                       std::to_string(it->second->number));
        }
    }

    // A cell of a declared column takes the column's syntax.
    for (Line& line : lines_) {
        if (line.column)
            continue;
        auto it = columns.upper_bound(line.name);
        const bool inColumn = it != columns.begin() &&
                              StartsWith(line.name, std::prev(it)->first) &&
                              line.name.size() > std::prev(it)->first.size();
        if (!inColumn) {
            // Destroying a row removes the cells of the declared columns; a cell outside them
            // would be left behind.
            auto table = statusOfTable.upper_bound(line.name);
            if (table != statusOfTable.begin() && StartsWith(line.name, std::prev(table)->first))
                Fail(line.number, OidText(line.name) +
                                      " lies in the table whose row status is declared at line " +
                                      std::to_string(std::prev(table)->second->number) +
                                      " but in no declared column");
            continue;
        }
        --it;
        const SimSyntax& columnSyntax = it->second->declaration.syntax;
        const std::string declared = " declared at line " + std::to_string(it->second->number);
        if (line.entry.syntax.type != columnSyntax.type)
            Fail(line.number, std::string("the type ") + TypeName(line.entry.syntax.type) +
                                  " differs from the column's type " + TypeName(columnSyntax.type) +
                                  declared);
        const bool ownAccess = line.entry.syntax.access != SimAccess::ReadOnly ||
                               !line.entry.syntax.constraint.ranges.empty() ||
                               !line.entry.syntax.constraint.names.empty();
        if (ownAccess && !(line.entry.syntax == columnSyntax))
            Fail(line.number, "the access and allowed values come from the column" + declared);
        line.entry.syntax = columnSyntax;
        if (!columnSyntax.constraint.Allows(Measure(line.entry.value)) ||
            (line.entry.value.type == SimType::ObjectId &&
             !columnSyntax.constraint.AllowsName(line.entry.value.name)))
            Fail(line.number, "the value lies outside the allowed values of the column" + declared);
        if (columnSyntax.access == SimAccess::RowStatus) {
            const int32_t status = line.entry.value.AsInteger();
            if (status != 1 && status != 2)
                Fail(line.number, "a row's status must be active (1) or notInService (2)");
        }
        if (columnSyntax.access == SimAccess::ValidStatus) {
            const int32_t status = line.entry.value.AsInteger();
            if (status != 2 && status != 3)
                Fail(line.number, "a row's status must be valid (3) or invalid (2)");
        }
    }
}

void SimDataFile::ApplyTo(SimStore& store) const {
    for (const Line& line : lines_) {
        if (line.column) {
            store.DeclareColumn(line.name, line.declaration);
            continue;
        }
        const SimEntry* existing = store.Find(line.name);
        if (existing != nullptr && existing->live)
            Fail(line.number,
                 OidText(line.name) + " is computed by the simulator and cannot be given");
        store.Put(line.name, line.entry);
    }
}
