#pragma once

#include "SimStore.h"

#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Serves one subtree of a SimStore through the agent library: GET, GETNEXT (GETBULK through
// the library's bulk-to-next helper) and SET in its phases. SET checks type, access and
// allowed values in the reserve phase and answers wrongType, wrongLength, wrongValue,
// notWritable, noCreation or inconsistentValue as an agent must; tables with a row status
// create rows on createAndGo / createAndWait and remove them on destroy; those with a
// valid/invalid status create them on valid and remove them on invalid. Changes are undone
// when another part of the same request fails.
class SimHandler {
public:
    // `before` runs before every request (the device brings its state up to date).
    SimHandler(SimStore& store, SimOid root, std::function<void()> before, bool verbose);

    SimHandler(const SimHandler&) = delete;
    SimHandler& operator=(const SimHandler&) = delete;

    // Registers the subtree with the agent; false when the library refuses.
    bool Register();

private:
    struct Change {
        SimOid name;
        std::optional<SimEntry> before; // nullopt: the entry did not exist
    };
    struct RowPlan {
        SimOid entry;   // the table entry OID
        SimOid index;   // the row's index part
        int status = 0; // createAndGo (4), createAndWait (5), destroy (6); valid creates as 4
    };

    static int Dispatch(netsnmp_mib_handler* handler, netsnmp_handler_registration* registration,
                        netsnmp_agent_request_info* info, netsnmp_request_info* requests);

    void Get(netsnmp_agent_request_info* info, netsnmp_request_info* requests);
    void GetNext(netsnmp_request_info* requests);
    void Reserve(netsnmp_request_info* requests);
    void Action(netsnmp_request_info* requests);
    void Commit();
    void Undo();

    // The error status for one varbind of a SET, SNMP_ERR_NOERROR when it may be applied.
    int Check(netsnmp_request_info* request, netsnmp_request_info* all);
    void Record(const SimOid& name);
    void Log(const char* what, const SimOid& name, const std::string& detail) const;

    SimStore& store_;
    SimOid root_;
    std::function<void()> before_;
    bool verbose_;
    // Owned by the agent's registry once registered.
    netsnmp_handler_registration* registration_ = nullptr;

    // The SET in progress (the agent runs one SET at a time through all its phases).
    std::vector<RowPlan> rows_;
    std::vector<Change> changes_;
    std::set<SimOid> recorded_;
};
