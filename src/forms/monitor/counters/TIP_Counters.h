#pragma once

#include "forms/monitor/counters/TScalarCounters.h"

// The IP group's datagram counters of the device.
class TIP_Counters : public TScalarCounters {
public:
    // Reads the group once at once; the caption names the device address of the connection.
    explicit TIP_Counters(QWidget* owner);
};
