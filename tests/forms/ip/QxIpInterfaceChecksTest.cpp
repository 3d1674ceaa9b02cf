#include "forms/config/ip/QxIpInterfaceChecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Checks = QxIpInterfaceChecks;
using Row = QxIpInterfaceChecks::Row;

TEST(IpInterfaceChecks, AddressRule) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"192.168.1.1", true},
        {"0.1.2.3", true},
        {"223.1.1.1", true},
        {"250.1.1.1", true}, // 248 to 255 pass the class test
        {"248.0.0.1", true},
        {"255.1.1.1", true},
        {"010.001.001.001", true},  // leading zeros
        {"001.002.003.0004", true}, // 16 characters
        {"223.255.255.255", true},
        {"0.0.0.1", true},
        {"192.168.1", false}, // three parts
        {"1.2.3.4.5", false},
        {"1..2.3", false},
        {".1.2.3", false},
        {"1.2.3.", false},
        {"256.1.1.1", false},
        {"1.2.3.256", false},
        {"127.0.0.1", false},
        {"127.1.2.3", false},
        {"0.0.0.0", false},
        {"224.0.0.1", false},
        {"239.255.255.255", false},
        {"240.1.1.1", false},
        {"247.1.1.1", false},
        {"255.255.255.255", false},
        {"00000000001.1.1.1", false}, // 17 characters
        {"0010.0001.0001.01", false}, // 17 characters, every part in range
        {"", false},
        {"a.b.c.d", false},
        {"1.2.3.4 ", false},
        {" 1.2.3.4", false},
        {"-1.2.3.4", false},
        {"1.2.3.+4", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Checks::IsValidAddress(c.text), c.valid) << c.text;
    }
}

TEST(IpInterfaceChecks, MaskRuleAndNetworks) {
    for (const char* mask : {"255.0.0.0", "255.255.0.0", "255.255.255.0"}) {
        EXPECT_TRUE(Checks::IsValidMask(mask)) << mask;
    }
    for (const char* mask : {"255.255.255.128", "255.255.255.255", "0.0.0.0", "255.255.255.00",
                             " 255.255.255.0", "255.255.0", ""}) {
        EXPECT_FALSE(Checks::IsValidMask(mask)) << mask;
    }

    const struct {
        const char* address;
        const char* mask;
        const char* network;
    } cases[] = {
        {"10.1.2.3", "255.255.0.0", "10.1.0.0"},
        {"10.1.2.3", "255.0.0.0", "10.0.0.0"},
        {"10.1.2.3", "255.255.255.0", "10.1.2.0"},
        {"010.001.002.003", "255.255.255.0", "10.1.2.0"}, // leading zeros dropped
        {"10.1.2.3", "255.255.255.128", "10.1.2.3"},      // any other mask keeps all four
        {"10.1.2.3", "", "10.1.2.3"},
        {"10.1", "255.255.255.0", "10.1.0.0"}, // what a device might report
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Checks::Network(c.address, c.mask), c.network) << c.address << " " << c.mask;
    }
}

// An interface that passes every check against the rows below.
Checks::NewInterface Valid() {
    Checks::NewInterface n;
    n.address = "10.9.9.9";
    n.mask = "255.255.255.0";
    n.ifIndex = "30";
    n.name = "lab";
    n.vlan = "lab";
    n.secondary = "false";
    n.modeChosen = true;
    n.operChosen = true;
    return n;
}

const std::vector<Row> Device = {
    {"10.90.90.90", "1", "System", "255.0.0.0", "default", "false"},
    {"192.168.10.1", "10", "sales", "255.255.255.0", "sales", "false"},
    {"192.168.20.1", "11", "sales2", "255.255.255.0", "sales", "true"},
    {"172.16.1.1", "12", "dev", "255.255.0.0", "dev", "false"},
};

TEST(IpInterfaceChecks, AddChecksInOrder) {
    using Change = std::function<void(Checks::NewInterface&)>;
    const struct {
        const char* what;
        std::vector<Row> rows;
        Change change;
        std::string message;
    } cases[] = {
        {"valid", Device, [](auto&) {}, ""},
        {"bad address before bad mask", Device,
         [](auto& n) {
             n.address = "127.0.0.1";
             n.mask = "255.255.255.128";
         },
         Checks::InvalidAddress},
        {"17-character address", Device, [](auto& n) { n.address = "100.100.100.10000"; },
         Checks::InvalidAddress},
        {"mask /25", Device, [](auto& n) { n.mask = "255.255.255.128"; }, Checks::InvalidMask},
        {"same network as sales", Device,
         [](auto& n) {
             n.address = "192.168.10.2";
             n.name = "sales"; // the later checks are not reached
         },
         Checks::SameNetwork},
        {"inside System's class A network", Device,
         [](auto& n) {
             n.address = "10.1.1.1";
             n.mask = "255.0.0.0";
         },
         Checks::SameNetwork},
        {"other network under a wider mask", Device,
         [](auto& n) {
             n.address = "192.168.30.1";
             n.mask = "255.255.0.0"; // 192.168.0.0: no row has it under its own mask
         },
         ""},
        // The IF index is the device's own and never written: nothing typed there counts.
        {"no IF index", Device, [](auto& n) { n.ifIndex = ""; }, ""},
        {"IF index not a number", Device, [](auto& n) { n.ifIndex = "1a"; }, ""},
        {"IF index of a row", Device, [](auto& n) { n.ifIndex = "11"; }, ""},
        {"first interface needs no IF index", {}, [](auto& n) { n.ifIndex = ""; }, ""},
        {"no name", Device, [](auto& n) { n.name = ""; }, Checks::NoName},
        {"name taken", Device, [](auto& n) { n.name = "sales2"; }, Checks::UsedName},
        {"names differ by case", Device, [](auto& n) { n.name = "SALES"; }, ""},
        {"no secondary chosen", Device, [](auto& n) { n.secondary = ""; }, Checks::NoSecondary},
        {"mode missing after the VLAN checks", Device,
         [](auto& n) {
             n.modeChosen = false;
             n.operChosen = false;
         },
         Checks::NoMode},
        {"link state missing", Device, [](auto& n) { n.operChosen = false; }, Checks::NoLinkState},
    };
    for (const auto& c : cases) {
        Checks::NewInterface n = Valid();
        c.change(n);
        EXPECT_EQ(Checks::CheckAdd(n, c.rows), c.message) << c.what;
    }
}

TEST(IpInterfaceChecks, AtMostAPrimaryAndASecondaryPerVlan) {
    const Row primary{"192.168.10.1", "10", "p", "255.255.255.0", "v", "false"};
    const Row secondary{"192.168.20.1", "11", "s", "255.255.255.0", "v", "true"};
    const struct {
        const char* what;
        std::vector<Row> rows;
        const char* vlan;
        const char* chosen;
        std::string message;
    } cases[] = {
        {"empty list, secondary", {}, "v", "true", Checks::NoPrimary},
        {"empty list, primary", {}, "v", "false", ""},
        {"unused VLAN, secondary", {primary}, "w", "true", Checks::NoPrimary},
        {"VLAN names differ by case", {primary}, "V", "true", Checks::NoPrimary},
        {"primary on a VLAN with a primary", {primary}, "v", "false", Checks::PrimaryExists},
        {"secondary on a VLAN with a primary", {primary}, "v", "true", ""},
        {"primary on a full VLAN", {primary, secondary}, "v", "false", Checks::PrimaryExists},
        {"secondary, primary listed first", {primary, secondary}, "v", "true", Checks::VlanFull},
        {"secondary, secondary listed first", {secondary, primary}, "v", "true", Checks::UsedVlan},
    };
    for (const auto& c : cases) {
        Checks::NewInterface n = Valid();
        n.vlan = c.vlan;
        n.secondary = c.chosen;
        EXPECT_EQ(Checks::CheckAdd(n, c.rows), c.message) << c.what;
    }
    EXPECT_EQ(std::string(Checks::PrimaryExists),
              "This vlan has been used to create primary interface.\n"
              "Please choose true in Secondary");
}

TEST(IpInterfaceChecks, DeleteChecks) {
    const struct {
        const char* what;
        int selected;
        std::string message;
    } cases[] = {
        {"System", 0, Checks::SystemInterface},
        {"primary with a secondary on its VLAN", 1, Checks::SecondaryFirst},
        {"secondary", 2, ""},
        {"primary alone on its VLAN", 3, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Checks::CheckDelete(Device, c.selected), c.message) << c.what;
    }
    // Once the secondary is gone the primary may go.
    const std::vector<Row> withoutSecondary = {Device[0], Device[1], Device[3]};
    EXPECT_EQ(Checks::CheckDelete(withoutSecondary, 1), "");
}

TEST(IpInterfaceChecks, EditChecks) {
    EXPECT_EQ(Checks::CheckEdit(true, true), "");
    EXPECT_EQ(Checks::CheckEdit(false, false), Checks::NoMode);
    EXPECT_EQ(Checks::CheckEdit(true, false), Checks::NoLinkState);
}

} // namespace
