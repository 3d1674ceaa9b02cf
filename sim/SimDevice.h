#pragma once

#include "SimStore.h"

#include <array>
#include <chrono>
#include <string>
#include <vector>

// The simulated switch: 24 copper ports, two combo ports and two gigabit ports whose links
// come and go over time, with traffic counters that advance while the links are up. It puts
// its generated objects into a SimStore: the MIB-II groups (system, interfaces, ifX, ip,
// icmp, udp, snmp, bridge) and the live vendor objects (front-panel LEDs, PoE port state,
// clock texts). Everything else of the vendor tree comes from the data file.
class SimDevice {
public:
    static constexpr int PortCount = 28;
    static constexpr int PoePortCount = 24;

    explicit SimDevice(bool poeMode);

    // Power-on: uptime from now, counters and links at their start state.
    void Boot();
    // Brings links and counters up to the present; every request calls it first.
    void Advance();

    // Adds the generated objects. Their live values read this device, which must outlive
    // the store's use of them; the device in turn reads administrative states from the store.
    void Populate(SimStore& store);
    // A generated table for walk benchmarks: 1.3.6.1.4.1.32473.99.1.1.<column>.<row>,
    // rows 1..rows, column 1 Integer (the row), 2 OctetString (read-write), 3 Counter32.
    static void AddBenchTable(SimStore& store, int rows);

    // The subtrees the simulator's own handlers serve (data-file OIDs must lie below one).
    static std::vector<SimOid> ServedRoots();

    // Hundredths of a second since the last boot.
    uint32_t UpTicks() const;
    // The front-panel LED status octet string.
    std::string LedStatus() const;

private:
    struct Port {
        bool link = false;
        uint32_t lastChange = 0; // UpTicks of the last link change
        // Counts as real numbers so that slow rates still advance smoothly.
        double inOctets = 0, inUcast = 0, inMulticast = 0, inBroadcast = 0, inDiscards = 0,
               inErrors = 0;
        double outOctets = 0, outUcast = 0, outMulticast = 0, outBroadcast = 0, outDiscards = 0,
               outErrors = 0;
    };
    struct Group {
        std::vector<double> counters; // ip, icmp or udp counters, by sub-identifier
    };

    using Clock = std::chrono::steady_clock;

    bool AdminUp(int port) const;
    bool LinkInPeriod(int port, uint64_t period) const;
    int SpeedMbps(int port) const;
    int PoeLed(int port) const;
    void AddCounters(double seconds);

    void PopulateSystem(SimStore& store);
    void PopulateInterfaces(SimStore& store);
    void PopulateIp(SimStore& store);
    void PopulateIcmpUdpSnmp(SimStore& store);
    void PopulateBridge(SimStore& store);
    void PopulateVendor(SimStore& store);

    bool poeMode_;
    SimStore* store_ = nullptr;
    Clock::time_point boot_;
    double advancedTo_ = 0;                   // seconds since boot
    std::array<Port, PortCount + 1> ports_{}; // 1-based
    Group ip_, icmp_, udp_;
};
