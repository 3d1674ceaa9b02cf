#pragma once

#include "forms/monitor/counters/TCounterMonitor.h"

#include <string>
#include <vector>

// A monitor of the scalar counters of one MIB-II group (IP, ICMP, UDP, SNMP): the group is
// walked, and the first result row holds instance .0 of every object.
class TScalarCounters : public TCounterMonitor {
public:
    // How a window of this kind starts.
    struct Setup {
        const char* title;       // the caption before " : " and the device address
        const UISnmpVar* table;  // the group's descriptor table
        const char* const* rows; // the shown rows' names, ending in nullptr
        int width;
        int height;
        bool sampleAtOpen;        // the opening read primes the figures
        bool runEvenIfOpenFailed; // running from the start, retrying at every tick
    };

protected:
    TScalarCounters(QWidget* owner, const Setup& setup);
    void ReadDone(bool answered) override;

private:
    static std::vector<std::string> Names(const char* const* rows);
    static std::vector<int> Indexes(const char* const* rows);

    bool opening_ = false;
};
