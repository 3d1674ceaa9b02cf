#pragma once

#include "snmp/QxSNMPParams.h"
#include "snmp/SnmpEventProcessor.h"

#include <cstdint>

// The process-wide connection record: the event pump and the current connection parameters,
// copied into every new request.
struct QxSNMPGlobal {
    SnmpEventProcessor eventProcessor;
    QxSNMPDevice device;
    QxSNMPScope scope;
    QxSNMPSecurity security;
    std::int32_t timeout = 100; // response time-out in hundredths of a second
    // Table walks over SNMPv2c and SNMPv3 use GETBULK; false keeps get-next for an agent that
    // mishandles it (the device file's GetBulk=0, the command line's /b0).
    bool getBulk = true;

    // Every field except the pump back to its default, and the time-out to 100.
    void ResetParameters();
};

// The one record of the process, constructed on first use with its pump stopped.
QxSNMPGlobal& SnmpGlobal();
