#pragma once

#include "TestAgent.h"
#include "TestProgram.h"

#include <map>
#include <string>
#include <vector>

// net-snmp's command-line tools (snmpget, snmpwalk, snmpset) run against a test agent with
// fixed credentials, one try of one second (-t 1 -r 1), numeric output (-On -Oe -Ot -OQ).
class SnmpTool {
public:
    // credentials: for example {"-v2c", "-c", "public"} or
    // {"-v3", "-u", "SHA_User", "-l", "authNoPriv", "-a", "SHA", "-A", "shauserpass"}.
    SnmpTool(const TestAgent& agent, std::vector<std::string> credentials,
             std::vector<std::string> extraOptions = {});

    ProgramResult Get(const std::vector<std::string>& oids) const;
    ProgramResult GetNext(const std::vector<std::string>& oids) const;
    // Only what lies below the OID (an empty subtree gives no bindings).
    ProgramResult Walk(const std::string& oid) const;
    // Triples of OID, type letter (i, s, x, a, o, u, t, c, ...) and value.
    ProgramResult Set(const std::vector<std::string>& oidTypeValue) const;

    // The bindings of the tools' output: numeric OID (with the leading dot) -> value text as
    // printed (strings keep their quotes; octet strings printed as hex become the octets
    // joined by single spaces, "01 0A FF").
    static std::map<std::string, std::string> Values(const std::string& output);

private:
    ProgramResult Run(const std::string& tool, const std::vector<std::string>& args) const;

    std::string address_;
    std::vector<std::string> credentials_;
    std::vector<std::string> extraOptions_;
};
