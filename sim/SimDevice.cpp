#include "SimDevice.h"

#include <net-snmp/net-snmp-includes.h>

#include <cmath>
#include <ctime>

namespace {

// Links are re-decided every period; a flapping port changes at most once per period.
constexpr double PeriodSeconds = 5.0;

const SimOid Mib2 = {1, 3, 6, 1, 2, 1};
const SimOid Vendor = {1, 3, 6, 1, 4, 1, 32473};
const SimOid CommunityMib = {1, 3, 6, 1, 6, 3, 18};
// usmUser: the user spin lock and the user table. The USM statistics beside it
// (1.3.6.1.6.3.15.1.1) stay the agent library's, which counts them as it authenticates.
const SimOid UsmUserMib = {1, 3, 6, 1, 6, 3, 15, 1, 2};
// Port access control (IEEE 802.1X PAE MIB) and the experimental PIM MIB, both from the data
// file; the agent library registers neither.
const SimOid PaeMib = {1, 0, 8802, 1, 1, 1};
const SimOid PimMib = {1, 3, 6, 1, 3, 61};
// The experimental DVMRP MIB, from the data file too.
const SimOid DvmrpMib = {1, 3, 6, 1, 3, 62};

SimOid Join(const SimOid& base, std::initializer_list<oid> tail) {
    SimOid name = base;
    name.insert(name.end(), tail.begin(), tail.end());
    return name;
}

uint64_t Mix(uint64_t x) {
    // splitmix64: a cheap, well-spread hash for deterministic "random" device behaviour.
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

uint64_t Hash(int port, uint64_t period) {
    return Mix(static_cast<uint64_t>(port) * 1000003u + period);
}

// A fixed shuffle of the 256 octet values: every step (odd multiplier, added constant, xor
// with a right shift) is one-to-one, so distinct inputs give distinct outputs.
uint8_t Shuffle(uint8_t x) {
    x = static_cast<uint8_t>(x * 167u + 89u);
    x = static_cast<uint8_t>(x ^ (x >> 3));
    return static_cast<uint8_t>(x * 29u + 7u);
}

// Whether a linked port carries traffic in the given second, which flashes its LED. The eight
// cabled ports take their bits from the shuffled second, so that two readings at least a
// second (and less than four minutes) apart never show the same pattern; the other ports
// are busy two seconds in three at random.
bool Busy(int port, uint64_t second) {
    if (port <= 8)
        return ((Shuffle(static_cast<uint8_t>(second)) >> (port - 1)) & 1u) != 0;
    return Hash(port, second) % 3 != 0;
}

SimEntry Fixed(SimValue value, SimAccess access = SimAccess::ReadOnly,
               SimConstraint constraint = {}) {
    SimEntry entry;
    entry.syntax = {value.type, access, std::move(constraint)};
    entry.value = std::move(value);
    return entry;
}

SimEntry Live(SimType type, std::function<SimValue()> compute) {
    SimEntry entry;
    entry.syntax.type = type;
    entry.value.type = type;
    entry.live = std::move(compute);
    return entry;
}

SimValue Count32(double v) {
    return SimValue::Unsigned(SimType::Counter32, static_cast<uint64_t>(v));
}

SimValue Count64(double v) {
    return SimValue::Unsigned(SimType::Counter64, static_cast<uint64_t>(v));
}

SimConstraint Values(std::initializer_list<SimRange> ranges) {
    return SimConstraint{std::vector<SimRange>(ranges), {}};
}

std::string Mac(uint8_t last) {
    return std::string{'\x02', '\x4B', '\x53', '\x05', '\x24', static_cast<char>(last)};
}

// Per-port traffic when the link is up: packets per second and mean frame size.
struct Traffic {
    double packets;
    double frameSize;
};

Traffic TrafficOf(int port) {
    if (port == 27)
        return {20000.0, 1500.0}; // the uplink: fast enough that Counter32 octets wrap in minutes
    if (port == 28)
        return {2000.0, 600.0};
    return {30.0 + 11.0 * port, 100.0 + 13.0 * port};
}

std::string ClockText(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

} // namespace

SimDevice::SimDevice(bool poeMode) : poeMode_(poeMode) {
    Boot();
}

std::vector<SimOid> SimDevice::ServedRoots() {
    return {Mib2, CommunityMib, UsmUserMib, Vendor, PaeMib, PimMib, DvmrpMib};
}

void SimDevice::Boot() {
    boot_ = Clock::now();
    advancedTo_ = 0;
    for (int p = 1; p <= PortCount; ++p) {
        ports_[p] = Port{};
        ports_[p].link = LinkInPeriod(p, 0);
    }
    ip_.counters.assign(24, 0.0);
    icmp_.counters.assign(27, 0.0);
    udp_.counters.assign(5, 0.0);
}

uint32_t SimDevice::UpTicks() const {
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - boot_);
    return static_cast<uint32_t>(elapsed.count() / 10);
}

bool SimDevice::AdminUp(int port) const {
    if (store_ == nullptr)
        return true;
    const SimEntry* admin = store_->Find(Join(Mib2, {2, 2, 1, 7, static_cast<oid>(port)}));
    return admin == nullptr || admin->value.AsInteger() == 1;
}

bool SimDevice::LinkInPeriod(int port, uint64_t period) const {
    if (!AdminUp(port))
        return false;
    if (port <= 8 || port == 25 || port == 27 || port == 28)
        return true; // cabled ports and the uplinks
    if (port <= 16)
        return Hash(port, period) % 5 != 0; // mostly up, now and then a short drop
    if (port == 17)
        return period % 2 == 0; // a device that restarts over and over: up one period, down one
    if (port <= 20)
        return Hash(port, period) % 3 == 0; // a device that is switched on and off
    return false;                           // ports 21 to 24 unused, combo port 26 has no module
}

int SimDevice::SpeedMbps(int port) const {
    if (port >= 25)
        return 1000;
    return port == 7 || port == 8 ? 10 : 100;
}

// PoE LED: 1 on (delivering power), 2 off, 3 error.
int SimDevice::PoeLed(int port) const {
    if (port > PoePortCount || !AdminUp(port))
        return 2;
    const uint64_t period = static_cast<uint64_t>(advancedTo_ / PeriodSeconds);
    if (port == 7)
        return period % 2 == 0 ? 1 : 3; // a powered device that overloads its port now and then
    if (port <= 6)
        return 1;
    // Powered devices on flapping ports draw power while their link is up: phones on 9 to
    // 12, cameras and access points that are switched on and off on 17 to 20.
    if (((port >= 9 && port <= 12) || (port >= 17 && port <= 20)) && ports_[port].link)
        return 1;
    return 2;
}

void SimDevice::AddCounters(double seconds) {
    for (int p = 1; p <= PortCount; ++p) {
        Port& port = ports_[p];
        if (!port.link)
            continue;
        const Traffic t = TrafficOf(p);
        const double in = t.packets * seconds;
        const double out = 0.8 * in;
        port.inUcast += in * 0.93;
        port.inMulticast += in * 0.05;
        port.inBroadcast += in * 0.02;
        port.inOctets += in * t.frameSize;
        port.inDiscards += in * 0.001;
        port.outUcast += out * 0.95;
        port.outMulticast += out * 0.03;
        port.outBroadcast += out * 0.02;
        port.outOctets += out * t.frameSize * 1.1;
        port.outDiscards += out * 0.0005;
        if (p == 8) { // a port with a bad cable
            port.inErrors += in * 0.01;
            port.outErrors += out * 0.002;
        }
    }
    // Rates per second of the ip, icmp and udp counters, by sub-identifier.
    static const std::initializer_list<std::pair<int, double>> IpRates = {
        {3, 40},    {4, 0.01},  {5, 0.02}, {6, 5},    {8, 0.05},  {9, 35},  {10, 30},
        {11, 0.01}, {12, 0.02}, {14, 0.1}, {15, 0.1}, {17, 0.05}, {19, 0.1}};
    static const std::initializer_list<std::pair<int, double>> IcmpRates = {
        {1, 2.0}, {2, 0.01}, {3, 0.3},  {4, 0.05}, {8, 1.5},
        {9, 0.1}, {14, 1.9}, {16, 0.3}, {21, 0.1}, {22, 1.5}};
    static const std::initializer_list<std::pair<int, double>> UdpRates = {
        {1, 12}, {2, 0.5}, {3, 0.01}, {4, 11}};
    for (const auto& [sub, rate] : IpRates)
        ip_.counters[sub] += rate * seconds;
    for (const auto& [sub, rate] : IcmpRates)
        icmp_.counters[sub] += rate * seconds;
    for (const auto& [sub, rate] : UdpRates)
        udp_.counters[sub] += rate * seconds;
}

void SimDevice::Advance() {
    const double now = std::chrono::duration<double>(Clock::now() - boot_).count();
    // Step through the link periods so that traffic only counts while a link was up.
    while (advancedTo_ < now) {
        const uint64_t period = static_cast<uint64_t>(advancedTo_ / PeriodSeconds);
        const double periodEnd = static_cast<double>(period + 1) * PeriodSeconds;
        const double until = std::min(now, periodEnd);
        for (int p = 1; p <= PortCount; ++p) {
            const bool link = LinkInPeriod(p, period);
            if (link != ports_[p].link) {
                ports_[p].link = link;
                ports_[p].lastChange = static_cast<uint32_t>(advancedTo_ * 100.0);
            }
        }
        AddCounters(until - advancedTo_);
        advancedTo_ = until;
    }
}

std::string SimDevice::LedStatus() const {
    // Octets 0-2: power (1 on), console (1 no session), RPS (4 not connected). From octet 3
    // one pair per port: a presence octet (0 present, 1 absent, bit 0x80 traffic) and a state
    // octet (0 link down, 1 link at 10 Mbps, 2 link at 100/1000 Mbps; 3 fibre link on a combo).
    std::string octets = {'\x01', '\x01', '\x04'};
    const uint64_t second = static_cast<uint64_t>(advancedTo_);
    for (int p = 1; p <= PortCount; ++p) {
        const Port& port = ports_[p];
        uint8_t presence = 0;
        uint8_t state = 0;
        if (p == 26) {
            presence = 1;
        } else if (port.link) {
            if (Busy(p, second))
                presence = 0x80;
            state = p == 25 ? 3 : (SpeedMbps(p) == 10 ? 1 : 2);
        }
        octets.push_back(static_cast<char>(presence));
        octets.push_back(static_cast<char>(state));
    }
    return octets;
}

void SimDevice::Populate(SimStore& store) {
    store_ = &store;
    PopulateSystem(store);
    PopulateInterfaces(store);
    PopulateIp(store);
    PopulateIcmpUdpSnmp(store);
    PopulateBridge(store);
    PopulateVendor(store);
}

void SimDevice::PopulateSystem(SimStore& store) {
    const SimOid system = Join(Mib2, {1});
    const SimConstraint text255 = Values({{0, 255}});
    store.Put(
        Join(system, {1, 0}),
        Fixed(SimValue::Octets(
            "KSW-524P 24-port 10/100 PoE + 4 gigabit combo managed switch, firmware 4.05.B012")));
    store.Put(Join(system, {2, 0}), Fixed(SimValue::Object(Join(Vendor, {10, 524}))));
    store.Put(Join(system, {3, 0}), Live(SimType::TimeTicks, [this] {
                  return SimValue::Unsigned(SimType::TimeTicks, UpTicks());
              }));
    // The contact takes any OCTET STRING length, so that a manager's handling of long texts
    // (a whole address book pasted in) can be tried against it; name and location keep the
    // MIB's 255.
    const SimConstraint anyText = Values({{0, 65535}});
    store.Put(Join(system, {4, 0}),
              Fixed(SimValue::Octets("network operations"), SimAccess::ReadWrite, anyText));
    store.Put(Join(system, {5, 0}),
              Fixed(SimValue::Octets("KSW-524P"), SimAccess::ReadWrite, text255));
    store.Put(Join(system, {6, 0}),
              Fixed(SimValue::Octets("lab rack 3"), SimAccess::ReadWrite, text255));
    store.Put(Join(system, {7, 0}), Fixed(SimValue::Integer(6)));
    // sysORLastChange and sysORTable (.8, .9) are served by the agent library.
}

void SimDevice::PopulateInterfaces(SimStore& store) {
    store.Put(Join(Mib2, {2, 1, 0}), Fixed(SimValue::Integer(PortCount)));
    const SimOid ifEntry = Join(Mib2, {2, 2, 1});
    const SimOid ifXEntry = Join(Mib2, {31, 1, 1, 1});
    for (int p = 1; p <= PortCount; ++p) {
        const oid i = static_cast<oid>(p);
        const Port* port = &ports_[p];
        const auto at = [&](const SimOid& entry, oid column) { return Join(entry, {column, i}); };
        const std::string kind = p <= 24   ? "10/100BASE-TX"
                                 : p <= 26 ? "1000BASE-T/SFP combo"
                                           : "1000BASE-T";
        const bool present = p != 26;

        store.Put(at(ifEntry, 1), Fixed(SimValue::Integer(p)));
        store.Put(at(ifEntry, 2),
                  Fixed(SimValue::Octets("Port " + std::to_string(p) + " " + kind)));
        store.Put(at(ifEntry, 3), Fixed(SimValue::Integer(6))); // ethernetCsmacd
        store.Put(at(ifEntry, 4), Fixed(SimValue::Integer(1500)));
        store.Put(at(ifEntry, 5),
                  Fixed(SimValue::Unsigned(SimType::Gauge32,
                                           static_cast<uint64_t>(SpeedMbps(p)) * 1000000u)));
        store.Put(at(ifEntry, 6), Fixed(SimValue::Octets(Mac(static_cast<uint8_t>(p)))));
        store.Put(at(ifEntry, 7),
                  Fixed(SimValue::Integer(1), SimAccess::ReadWrite, Values({{1, 3}})));
        store.Put(
            at(ifEntry, 8), Live(SimType::Integer, [port, present] {
                return SimValue::Integer(!present ? 6 : port->link ? 1 : 2); // notPresent, up, down
            }));
        store.Put(at(ifEntry, 9), Live(SimType::TimeTicks, [port] {
                      return SimValue::Unsigned(SimType::TimeTicks, port->lastChange);
                  }));
        store.Put(at(ifEntry, 10),
                  Live(SimType::Counter32, [port] { return Count32(port->inOctets); }));
        store.Put(at(ifEntry, 11),
                  Live(SimType::Counter32, [port] { return Count32(port->inUcast); }));
        store.Put(at(ifEntry, 12), Live(SimType::Counter32, [port] {
                      return Count32(port->inMulticast + port->inBroadcast);
                  }));
        store.Put(at(ifEntry, 13),
                  Live(SimType::Counter32, [port] { return Count32(port->inDiscards); }));
        store.Put(at(ifEntry, 14),
                  Live(SimType::Counter32, [port] { return Count32(port->inErrors); }));
        store.Put(at(ifEntry, 15), Fixed(SimValue::Unsigned(SimType::Counter32, 0)));
        store.Put(at(ifEntry, 16),
                  Live(SimType::Counter32, [port] { return Count32(port->outOctets); }));
        store.Put(at(ifEntry, 17),
                  Live(SimType::Counter32, [port] { return Count32(port->outUcast); }));
        store.Put(at(ifEntry, 18), Live(SimType::Counter32, [port] {
                      return Count32(port->outMulticast + port->outBroadcast);
                  }));
        store.Put(at(ifEntry, 19),
                  Live(SimType::Counter32, [port] { return Count32(port->outDiscards); }));
        store.Put(at(ifEntry, 20),
                  Live(SimType::Counter32, [port] { return Count32(port->outErrors); }));
        store.Put(at(ifEntry, 21), Fixed(SimValue::Unsigned(SimType::Gauge32, 0)));
        store.Put(at(ifEntry, 22), Fixed(SimValue::Object({0, 0})));

        store.Put(at(ifXEntry, 1), Fixed(SimValue::Octets("Port " + std::to_string(p))));
        store.Put(at(ifXEntry, 2),
                  Live(SimType::Counter32, [port] { return Count32(port->inMulticast); }));
        store.Put(at(ifXEntry, 3),
                  Live(SimType::Counter32, [port] { return Count32(port->inBroadcast); }));
        store.Put(at(ifXEntry, 4),
                  Live(SimType::Counter32, [port] { return Count32(port->outMulticast); }));
        store.Put(at(ifXEntry, 5),
                  Live(SimType::Counter32, [port] { return Count32(port->outBroadcast); }));
        store.Put(at(ifXEntry, 6),
                  Live(SimType::Counter64, [port] { return Count64(port->inOctets); }));
        store.Put(at(ifXEntry, 7),
                  Live(SimType::Counter64, [port] { return Count64(port->inUcast); }));
        store.Put(at(ifXEntry, 8),
                  Live(SimType::Counter64, [port] { return Count64(port->inMulticast); }));
        store.Put(at(ifXEntry, 9),
                  Live(SimType::Counter64, [port] { return Count64(port->inBroadcast); }));
        store.Put(at(ifXEntry, 10),
                  Live(SimType::Counter64, [port] { return Count64(port->outOctets); }));
        store.Put(at(ifXEntry, 11),
                  Live(SimType::Counter64, [port] { return Count64(port->outUcast); }));
        store.Put(at(ifXEntry, 12),
                  Live(SimType::Counter64, [port] { return Count64(port->outMulticast); }));
        store.Put(at(ifXEntry, 13),
                  Live(SimType::Counter64, [port] { return Count64(port->outBroadcast); }));
        store.Put(at(ifXEntry, 14),
                  Fixed(SimValue::Integer(1), SimAccess::ReadWrite, Values({{1, 2}})));
        store.Put(at(ifXEntry, 15),
                  Fixed(SimValue::Unsigned(SimType::Gauge32, static_cast<uint64_t>(SpeedMbps(p)))));
        store.Put(at(ifXEntry, 16),
                  Fixed(SimValue::Integer(2), SimAccess::ReadWrite, Values({{1, 2}})));
        store.Put(at(ifXEntry, 17), Fixed(SimValue::Integer(present ? 1 : 2)));
        store.Put(at(ifXEntry, 18),
                  Fixed(SimValue::Octets(""), SimAccess::ReadWrite, Values({{0, 64}})));
        store.Put(at(ifXEntry, 19), Fixed(SimValue::Unsigned(SimType::TimeTicks, 0)));
    }
    store.Put(Join(Mib2, {31, 1, 5, 0}), Fixed(SimValue::Unsigned(SimType::TimeTicks, 0)));
    store.Put(Join(Mib2, {31, 1, 6, 0}), Fixed(SimValue::Unsigned(SimType::TimeTicks, 0)));
}

void SimDevice::PopulateIp(SimStore& store) {
    const SimOid ip = Join(Mib2, {4});
    store.Put(Join(ip, {1, 0}),
              Fixed(SimValue::Integer(1), SimAccess::ReadWrite, Values({{1, 2}})));
    store.Put(Join(ip, {2, 0}),
              Fixed(SimValue::Integer(64), SimAccess::ReadWrite, Values({{1, 255}})));
    for (oid sub : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19, 23}) {
        const double* counter = &ip_.counters[sub];
        store.Put(Join(ip, {sub, 0}),
                  Live(SimType::Counter32, [counter] { return Count32(*counter); }));
    }
    store.Put(Join(ip, {13, 0}), Fixed(SimValue::Integer(60)));

    // One management address, its connected network and a default route.
    const SimValue address = SimValue::Ip(192, 0, 2, 10);
    const SimValue mask = SimValue::Ip(255, 255, 255, 0);
    const SimOid addrEntry = Join(ip, {20, 1});
    const auto addr = [&](oid column) { return Join(addrEntry, {column, 192, 0, 2, 10}); };
    store.Put(addr(1), Fixed(address));
    store.Put(addr(2), Fixed(SimValue::Integer(1)));
    store.Put(addr(3), Fixed(mask));
    store.Put(addr(4), Fixed(SimValue::Integer(1)));
    store.Put(addr(5), Fixed(SimValue::Integer(65535)));

    struct Route {
        SimValue dest, next, mask;
        int type; // 3 direct, 4 indirect
    };
    const Route routes[] = {
        {SimValue::Ip(0, 0, 0, 0), SimValue::Ip(192, 0, 2, 1), SimValue::Ip(0, 0, 0, 0), 4},
        {SimValue::Ip(192, 0, 2, 0), address, mask, 3},
    };
    const SimOid routeEntry = Join(ip, {21, 1});
    for (const Route& r : routes) {
        SimOid index;
        for (char c : r.dest.bytes)
            index.push_back(static_cast<uint8_t>(c));
        const auto at = [&](oid column) {
            SimOid name = Join(routeEntry, {column});
            name.insert(name.end(), index.begin(), index.end());
            return name;
        };
        store.Put(at(1), Fixed(r.dest));
        store.Put(at(2), Fixed(SimValue::Integer(1), SimAccess::ReadWrite));
        store.Put(at(3), Fixed(SimValue::Integer(1), SimAccess::ReadWrite));
        for (oid metric : {4, 5, 6, 12})
            store.Put(at(metric), Fixed(SimValue::Integer(-1), SimAccess::ReadWrite));
        store.Put(at(7), Fixed(r.next, SimAccess::ReadWrite));
        store.Put(at(8), Fixed(SimValue::Integer(r.type), SimAccess::ReadWrite, Values({{2, 4}})));
        store.Put(at(9), Fixed(SimValue::Integer(r.type == 3 ? 2 : 3))); // local, netmgmt
        store.Put(at(10), Fixed(SimValue::Integer(0), SimAccess::ReadWrite));
        store.Put(at(11), Fixed(r.mask, SimAccess::ReadWrite));
        store.Put(at(13), Fixed(SimValue::Object({0, 0})));
    }

    // The address-translation entry of the default gateway.
    const SimOid netToMedia = Join(ip, {22, 1});
    const auto media = [&](oid column) { return Join(netToMedia, {column, 1, 192, 0, 2, 1}); };
    store.Put(media(1), Fixed(SimValue::Integer(1)));
    store.Put(media(2), Fixed(SimValue::Octets(std::string("\x00\x1B\x21\x3A\x4C\x5D", 6)),
                              SimAccess::ReadWrite));
    store.Put(media(3), Fixed(SimValue::Ip(192, 0, 2, 1)));
    store.Put(media(4), Fixed(SimValue::Integer(3), SimAccess::ReadWrite, Values({{1, 4}})));
}

void SimDevice::PopulateIcmpUdpSnmp(SimStore& store) {
    for (oid sub = 1; sub <= 26; ++sub) {
        const double* counter = &icmp_.counters[sub];
        store.Put(Join(Mib2, {5, sub, 0}),
                  Live(SimType::Counter32, [counter] { return Count32(*counter); }));
    }
    for (oid sub = 1; sub <= 4; ++sub) {
        const double* counter = &udp_.counters[sub];
        store.Put(Join(Mib2, {7, sub, 0}),
                  Live(SimType::Counter32, [counter] { return Count32(*counter); }));
    }
    const SimOid udpEntry = Join(Mib2, {7, 5, 1});
    store.Put(Join(udpEntry, {1, 0, 0, 0, 0, 161}), Fixed(SimValue::Ip(0, 0, 0, 0)));
    store.Put(Join(udpEntry, {2, 0, 0, 0, 0, 161}), Fixed(SimValue::Integer(161)));

    // The snmp group counts the agent's real traffic.
    for (oid sub = 1; sub <= 29; ++sub) {
        if (sub == 7 || sub == 23)
            continue; // not defined
        const int which = STAT_SNMPINPKTS + static_cast<int>(sub) - 1;
        store.Put(Join(Mib2, {11, sub, 0}), Live(SimType::Counter32, [which] {
                      return SimValue::Unsigned(SimType::Counter32, snmp_get_statistic(which));
                  }));
    }
    store.Put(Join(Mib2, {11, 30, 0}),
              Fixed(SimValue::Integer(2), SimAccess::ReadWrite, Values({{1, 2}})));
    for (const auto& [sub, which] :
         {std::pair<oid, int>{31, STAT_SNMPSILENTDROPS}, {32, STAT_SNMPPROXYDROPS}}) {
        store.Put(Join(Mib2, {11, sub, 0}), Live(SimType::Counter32, [which] {
                      return SimValue::Unsigned(SimType::Counter32, snmp_get_statistic(which));
                  }));
    }
}

void SimDevice::PopulateBridge(SimStore& store) {
    const SimOid bridge = Join(Mib2, {17});
    store.Put(Join(bridge, {1, 1, 0}), Fixed(SimValue::Octets(Mac(0))));
    store.Put(Join(bridge, {1, 2, 0}), Fixed(SimValue::Integer(PortCount)));
    store.Put(Join(bridge, {1, 3, 0}), Fixed(SimValue::Integer(2))); // transparent-only
    store.Put(Join(bridge, {4, 1, 0}), Fixed(SimValue::Unsigned(SimType::Counter32, 0)));
    store.Put(Join(bridge, {4, 2, 0}),
              Fixed(SimValue::Integer(300), SimAccess::ReadWrite, Values({{10, 1000000}})));
    for (int p = 1; p <= PortCount; ++p) {
        const oid i = static_cast<oid>(p);
        const Port* port = &ports_[p];
        store.Put(Join(bridge, {1, 4, 1, 1, i}), Fixed(SimValue::Integer(p)));
        store.Put(Join(bridge, {1, 4, 1, 2, i}), Fixed(SimValue::Integer(p)));
        store.Put(Join(bridge, {1, 4, 1, 3, i}), Fixed(SimValue::Object({0, 0})));
        store.Put(Join(bridge, {1, 4, 1, 4, i}), Fixed(SimValue::Unsigned(SimType::Counter32, 0)));
        store.Put(Join(bridge, {1, 4, 1, 5, i}), Fixed(SimValue::Unsigned(SimType::Counter32, 0)));

        store.Put(Join(bridge, {4, 4, 1, 1, i}), Fixed(SimValue::Integer(p)));
        store.Put(Join(bridge, {4, 4, 1, 2, i}), Fixed(SimValue::Integer(1500)));
        store.Put(Join(bridge, {4, 4, 1, 3, i}), Live(SimType::Counter32, [port] {
                      return Count32(port->inUcast + port->inMulticast + port->inBroadcast);
                  }));
        store.Put(Join(bridge, {4, 4, 1, 4, i}), Live(SimType::Counter32, [port] {
                      return Count32(port->outUcast + port->outMulticast + port->outBroadcast);
                  }));
        store.Put(Join(bridge, {4, 4, 1, 5, i}),
                  Live(SimType::Counter32, [port] { return Count32(port->inDiscards); }));
    }
    // A few learned addresses on the cabled ports (dot1dTpFdbTable, indexed by the address).
    for (int p = 1; p <= 6; ++p) {
        const std::string mac = {'\x00', '\x1B', '\x21',
                                 '\x10', '\x20', static_cast<char>(0x30 + p)};
        SimOid index;
        for (char c : mac)
            index.push_back(static_cast<uint8_t>(c));
        for (oid column = 1; column <= 3; ++column) {
            SimOid name = Join(bridge, {4, 3, 1, column});
            name.insert(name.end(), index.begin(), index.end());
            const SimValue value = column == 1 ? SimValue::Octets(mac)
                                               : SimValue::Integer(column == 2 ? p : 3); // learned
            store.Put(name, Fixed(value));
        }
    }
}

void SimDevice::PopulateVendor(SimStore& store) {
    // Front panel LED status (unit table, unit 1) and the LED display mode.
    store.Put(Join(Vendor, {12, 11, 1, 9, 4, 1, 5, 1}),
              Live(SimType::OctetString, [this] { return SimValue::Octets(LedStatus()); }));
    store.Put(Join(Vendor, {11, 69, 3, 2, 1, 1, 6, 0}), Live(SimType::Integer, [this] {
                  return SimValue::Integer(poeMode_ ? 2 : 1); // poeStatusMode, portStatusMode
              }));
    store.Put(Join(Vendor, {11, 69, 3, 2, 1, 1, 1, 0}), Live(SimType::TimeTicks, [this] {
                  return SimValue::Unsigned(SimType::TimeTicks, UpTicks());
              }));

    // PoE port information table: 1 port, 2 class, 3 power (mW), 4 voltage (V), 5 current
    // (mA), 6 status text, 7 LED (1 on, 2 off, 3 error).
    const SimOid poeEntry = Join(Vendor, {12, 24, 4, 1, 1});
    for (int p = 1; p <= PoePortCount; ++p) {
        const oid i = static_cast<oid>(p);
        const auto power = [this, p] {
            if (PoeLed(p) != 1)
                return 0;
            const uint64_t period = static_cast<uint64_t>(advancedTo_ / PeriodSeconds);
            return 3200 + 150 * p + static_cast<int>(Hash(p, period) % 400);
        };
        store.Put(Join(poeEntry, {1, i}), Fixed(SimValue::Integer(p)));
        store.Put(Join(poeEntry, {2, i}), Live(SimType::Integer, [this, p] {
                      return SimValue::Integer(PoeLed(p) == 2 ? 0 : p % 4 + 1);
                  }));
        store.Put(Join(poeEntry, {3, i}),
                  Live(SimType::Integer, [power] { return SimValue::Integer(power()); }));
        store.Put(Join(poeEntry, {4, i}), Live(SimType::Integer, [this, p] {
                      return SimValue::Integer(PoeLed(p) == 2 ? 0 : 48);
                  }));
        store.Put(Join(poeEntry, {5, i}),
                  Live(SimType::Integer, [power] { return SimValue::Integer(power() / 48); }));
        store.Put(Join(poeEntry, {6, i}), Live(SimType::OctetString, [this, p] {
                      const int led = PoeLed(p);
                      return SimValue::Octets(led == 1   ? "Delivering Power"
                                              : led == 3 ? "Overload"
                                                         : "Searching");
                  }));
        store.Put(Join(poeEntry, {7, i}),
                  Live(SimType::Integer, [this, p] { return SimValue::Integer(PoeLed(p)); }));
    }

    // The device clock: current time, time since boot and boot time as texts.
    const SimOid clock = Join(Vendor, {12, 10, 10});
    store.Put(Join(clock, {1, 0}), Live(SimType::OctetString, [] {
                  return SimValue::Octets(ClockText(std::time(nullptr)));
              }));
    store.Put(Join(clock, {2, 0}), Live(SimType::OctetString, [this] {
                  const uint32_t s = UpTicks() / 100;
                  char text[48];
                  std::snprintf(text, sizeof text, "%u days %02u:%02u:%02u", s / 86400,
                                s / 3600 % 24, s / 60 % 60, s % 60);
                  return SimValue::Octets(text);
              }));
    store.Put(Join(clock, {3, 0}), Live(SimType::OctetString, [this] {
                  return SimValue::Octets(ClockText(std::time(nullptr) - UpTicks() / 100));
              }));
}

void SimDevice::AddBenchTable(SimStore& store, int rows) {
    const SimOid entry = Join(Vendor, {99, 1, 1});
    for (int r = 1; r <= rows; ++r) {
        const oid i = static_cast<oid>(r);
        store.Put(Join(entry, {1, i}), Fixed(SimValue::Integer(r)));
        store.Put(Join(entry, {2, i}),
                  Fixed(SimValue::Octets("row " + std::to_string(r)), SimAccess::ReadWrite));
        store.Put(Join(entry, {3, i}),
                  Fixed(SimValue::Unsigned(SimType::Counter32, static_cast<uint64_t>(r) * 7u)));
    }
}
