#include "SnmpTool.h"

#include <cctype>
#include <sstream>

SnmpTool::SnmpTool(const TestAgent& agent, std::vector<std::string> credentials,
                   std::vector<std::string> extraOptions)
    : address_(agent.Address()), credentials_(std::move(credentials)),
      extraOptions_(std::move(extraOptions)) {}

ProgramResult SnmpTool::Run(const std::string& tool, const std::vector<std::string>& args) const {
    std::vector<std::string> argv = {tool, "-t", "1", "-r", "1", "-On", "-Oe", "-Ot", "-OQ"};
    argv.insert(argv.end(), extraOptions_.begin(), extraOptions_.end());
    argv.insert(argv.end(), credentials_.begin(), credentials_.end());
    argv.push_back(address_);
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv);
}

ProgramResult SnmpTool::Get(const std::vector<std::string>& oids) const {
    return Run("snmpget", oids);
}

ProgramResult SnmpTool::GetNext(const std::vector<std::string>& oids) const {
    return Run("snmpgetnext", oids);
}

ProgramResult SnmpTool::Walk(const std::string& oid) const {
    // -CI: only what the walk finds, no GET of the start OID when the subtree is empty.
    return Run("snmpwalk", {"-CI", oid});
}

ProgramResult SnmpTool::Set(const std::vector<std::string>& oidTypeValue) const {
    return Run("snmpset", oidTypeValue);
}

namespace {

// net-snmp prints octets it cannot show as text as a quoted hex dump, every octet followed
// by a space, 16 to a line: "01 02 03 ". Those become "01 02 03".
bool HexDump(const std::string& value, std::string& octets) {
    if (value.size() < 4 || value.front() != '"' || value.back() != '"' ||
        value[value.size() - 2] != ' ')
        return false;
    std::istringstream in(value.substr(1, value.size() - 2));
    std::string token;
    octets.clear();
    while (in >> token) {
        if (token.size() != 2 || !std::isxdigit(static_cast<unsigned char>(token[0])) ||
            !std::isxdigit(static_cast<unsigned char>(token[1])))
            return false;
        octets += (octets.empty() ? "" : " ") + token;
    }
    return !octets.empty();
}

} // namespace

std::map<std::string, std::string> SnmpTool::Values(const std::string& output) {
    std::map<std::string, std::string> values;
    std::istringstream in(output);
    std::string line;
    std::string* current = nullptr;
    while (std::getline(in, line)) {
        const size_t equals = line.find(" = ");
        if (!line.empty() && line.front() == '.' && equals != std::string::npos) {
            current = &values[line.substr(0, equals)];
            *current = line.substr(equals + 3);
        } else if (current != nullptr) {
            *current += '\n' + line; // a value over several lines
        }
    }
    for (auto& [name, value] : values) {
        std::string octets;
        if (HexDump(value, octets))
            value = octets;
    }
    return values;
}
