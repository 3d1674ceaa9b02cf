#pragma once

#include "forms/monitor/counters/TScalarCounters.h"

// The SNMP group's packet counters of the device's agent.
class TSNMP_Counters : public TScalarCounters {
public:
    // Reads the group once at once; the caption names the device address of the connection.
    explicit TSNMP_Counters(QWidget* owner);
};
