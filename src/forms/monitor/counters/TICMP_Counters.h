#pragma once

#include "forms/monitor/counters/TScalarCounters.h"

// The ICMP group's message counters of the device.
class TICMP_Counters : public TScalarCounters {
public:
    // Reads the group once at once; the caption names the device address of the connection.
    explicit TICMP_Counters(QWidget* owner);
};
