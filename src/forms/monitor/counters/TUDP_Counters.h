#pragma once

#include "forms/monitor/counters/TScalarCounters.h"

// The UDP group's datagram counters of the device.
class TUDP_Counters : public TScalarCounters {
public:
    // Reads the group once at once; the caption names the device address of the connection.
    explicit TUDP_Counters(QWidget* owner);
};
