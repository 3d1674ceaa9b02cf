// The simulator's objects: writes and their error statuses, row creation and removal, the
// device's live state, device commands and the generated tables.

#include "SnmpTool.h"
#include "TestAgent.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

const std::string Vendor = ".1.3.6.1.4.1.32473";
const std::string RmonState = Vendor + ".11.69.3.2.1.2.3.0";
const std::string TrustHost = Vendor + ".12.1.2.13.1.1";
const std::string LedStatus = Vendor + ".12.11.1.9.4.1.5.1";
const std::string LedMode = Vendor + ".11.69.3.2.1.1.6.0";
const std::string SysUpTime = ".1.3.6.1.2.1.1.3.0";
const std::string TimeZone = Vendor + ".12.10.10.4.0";
const std::string AclProfile = Vendor + ".12.9.2.1.1";
const std::string AclRule = Vendor + ".12.9.3.1.1";
// OSPF host table: index host address and TOS, both also served as columns 1 and 2.
const std::string OspfHost = Vendor + ".11.69.3.3.6.1";
// Tables whose status reads 3 valid / 2 invalid. The static routes are indexed by
// destination, mask and backup state (columns 1 to 3), the DNS entries by domain name and
// address (not served).
const std::string StaticRoute = Vendor + ".11.69.3.3.2.5.1";
const std::string DataRoute = ".10.1.0.0.255.255.255.0.1";
const std::string DnsEntry = Vendor + ".11.69.3.3.3.2.6.1";
const std::string SpinLock = ".1.3.6.1.6.3.15.1.2.1.0";
const std::string UsmUser = ".1.3.6.1.6.3.15.1.2.2.1";
const std::string Community = ".1.3.6.1.6.3.18.1.1.1";

// An index part as length-prefixed octets.
std::string Counted(const std::vector<int>& octets) {
    std::string part = "." + std::to_string(octets.size());
    for (int octet : octets)
        part += "." + std::to_string(octet);
    return part;
}

std::string Counted(const std::string& text) {
    return Counted(std::vector<int>(text.begin(), text.end()));
}

// The engine ID of the data file's USM rows, and the index of its user "MD5_User".
const std::vector<int> DataEngine = {0x80, 0x00, 0x7E, 0xD9, 0x03, 0x00,
                                     0x1B, 0x21, 0x10, 0x20, 0x30};
const std::string Md5User = Counted(DataEngine) + Counted("MD5_User");

const std::vector<std::string> Read = {"-v2c", "-c", "readcm"};
const std::vector<std::string> Write = {"-v2c", "-c", "writecm"};
const std::vector<std::string> WriteV1 = {"-v1", "-c", "writecm"};

std::string ValueOf(const SnmpTool& tool, const std::string& oid) {
    const auto values = SnmpTool::Values(tool.Get({oid}).out);
    const auto it = values.find(oid);
    return it == values.end() ? std::string("(no answer)") : it->second;
}

uint64_t NumberOf(const SnmpTool& tool, const std::string& oid) {
    return std::stoull(ValueOf(tool, oid));
}

std::vector<int> Octets(const std::string& hex) {
    std::vector<int> octets;
    std::istringstream in(hex);
    std::string octet;
    while (in >> octet)
        octets.push_back(std::stoi(octet, nullptr, 16));
    return octets;
}

struct Write1 {
    std::string oid;
    const char* type;
    const char* value;
    const char* expected; // as read back
};

TEST(SimObjects, WrittenValuesAreKept) {
    const Write1 cases[] = {
        {RmonState, "i", "2", "2"},
        {".1.3.6.1.2.1.1.5.0", "s", "core-switch", "\"core-switch\""},
        {Vendor + ".12.15.1.3.0", "i", "2500", "2500"},
        {Vendor + ".12.10.10.4.0", "i", "-300", "-300"},
        {TrustHost + ".2.2", "a", "10.9.8.7", "10.9.8.7"},
        {Vendor + ".12.9.2.1.1.4.1", "x", "0102030405F6", "01 02 03 04 05 F6"},
        {".1.3.6.1.2.1.31.1.1.1.18.3", "s", "uplink to lab", "\"uplink to lab\""},
        {UsmUser + ".5" + Md5User, "o", ".1.3.6.1.6.3.10.1.1.3", ".1.3.6.1.6.3.10.1.1.3"},
        {UsmUser + ".8" + Md5User, "o", ".1.3.6.1.6.3.10.1.2.2", ".1.3.6.1.6.3.10.1.2.2"},
        {UsmUser + ".11" + Md5User, "s", "lab", "\"lab\""},
        {UsmUser + ".12" + Md5User, "i", "2", "2"},
        {AclRule + ".14.1.2", "x", "FFFF0000", "FF FF 00 00"},
        {AclProfile + ".3.5", "i", "4", "4"},
        // Port access control and PIM lie outside the MIB-2 and vendor subtrees.
        {".1.0.8802.1.1.1.1.1.1.0", "i", "2", "2"},
        {".1.3.6.1.3.61.1.1.11.1.3.239.1.1.1.255.255.255.0", "a", "192.0.2.99", "192.0.2.99"},
    };
    TestAgent agent;
    const SnmpTool writer(agent, Write);
    const SnmpTool reader(agent, Read);
    for (const Write1& c : cases) {
        SCOPED_TRACE(c.oid);
        const ProgramResult set = writer.Set({c.oid, c.type, c.value});
        ASSERT_EQ(set.exitCode, 0) << set.err;
        EXPECT_EQ(ValueOf(reader, c.oid), c.expected);
        // Reading with the write community works as well.
        EXPECT_EQ(ValueOf(writer, c.oid), c.expected);
    }
}

struct Refused {
    const char* what;
    std::vector<std::string> credentials;
    std::string oid;
    const char* type;
    const char* value;
    const char* reason;
};

TEST(SimObjects, RefusedWritesCarryTheirErrorStatus) {
    const Refused cases[] = {
        {"wrong type", Write, RmonState, "s", "on", "wrongType"},
        {"value outside the allowed ones", Write, RmonState, "i", "7", "wrongValue"},
        {"octet string of the wrong length", Write, Vendor + ".12.9.2.1.1.4.1", "x", "0102",
         "wrongLength"},
        {"read-only object", Write, Vendor + ".12.1.1.1.0", "i", "2", "notWritable"},
        {"live object", Write, LedStatus, "s", "x", "notWritable"},
        {"unknown object", Write, Vendor + ".12.1.1.77.0", "i", "1", "notWritable"},
        {"row of a fixed table", Write, ".1.3.6.1.2.1.31.1.1.1.18.99", "s", "x", "noCreation"},
        {"cell of a row nobody creates", Write, TrustHost + ".2.40", "a", "10.0.0.1",
         "inconsistentName"},
        {"createAndGo on an existing row", Write, TrustHost + ".3.1", "i", "4",
         "inconsistentValue"},
        {"row status notReady", Write, TrustHost + ".3.1", "i", "3", "wrongValue"},
        {"read community", Read, RmonState, "i", "2", "noAccess"},
        {"SNMPv1 wrong type", WriteV1, RmonState, "s", "on", "badValue"},
        {"SNMPv1 read-only object", WriteV1, Vendor + ".12.1.1.1.0", "i", "2", "noSuchName"},
        {"auth protocol outside the offered ones", Write, UsmUser + ".5" + Md5User, "o",
         ".1.3.6.1.6.3.10.1.1.4", "wrongValue"},
        {"priv protocol outside the offered ones", Write, UsmUser + ".8" + Md5User, "o",
         ".1.3.6.1.6.3.10.1.2.4", "wrongValue"},
        {"user security name", Write, UsmUser + ".3" + Md5User, "s", "x", "notWritable"},
        {"user storage type other", Write, UsmUser + ".12" + Md5User, "i", "1", "wrongValue"},
        {"community storage type other", Write, Community + ".7.112.117.98.108.105.99", "i", "1",
         "wrongValue"},
        {"ACL owner", Write, AclProfile + ".9.1", "i", "1", "notWritable"},
        {"ACL rule owner", Write, AclRule + ".16.1.1", "i", "1", "notWritable"},
        {"ACL rule access ID", Write, AclRule + ".2.1.1", "i", "5", "notWritable"},
        {"ACL rule port list of 28 bits in 3 octets", Write, AclRule + ".14.1.1", "x", "FFFFFF",
         "wrongLength"},
        {"ACL rule permit outside deny, permit, mirror", Write, AclRule + ".13.1.1", "i", "4",
         "wrongValue"},
        // The index must be length-prefixed octets: 9 octets announced, 2 given.
        {"user row with a malformed index", Write, UsmUser + ".13.9.1.2", "i", "4", "noCreation"},
        {"host row whose index holds no address", Write, OspfHost + ".5.10.9", "i", "4",
         "noCreation"},
        {"route status createAndGo", Write, StaticRoute + ".6.10.7.0.0.255.255.0.0.1", "i", "4",
         "wrongValue"},
        {"route status active on an existing row", Write, StaticRoute + ".6" + DataRoute, "i", "1",
         "wrongValue"},
        {"route status destroy", Write, StaticRoute + ".6" + DataRoute, "i", "6", "wrongValue"},
        {"route row whose index holds no mask", Write, StaticRoute + ".6.10.7.0.0.255", "i", "3",
         "noCreation"},
        {"route cell of a row nobody creates", Write, StaticRoute + ".4.10.7.0.0.255.255.0.0.1",
         "a", "192.0.2.1", "inconsistentName"},
        {"route backup state", Write, StaticRoute + ".3" + DataRoute, "i", "2", "notWritable"},
    };
    TestAgent agent;
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.what);
        const ProgramResult r = SnmpTool(agent, c.credentials).Set({c.oid, c.type, c.value});
        EXPECT_NE(r.exitCode, 0);
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    }
    // Nothing of the refused writes was applied.
    const SnmpTool reader(agent, Read);
    EXPECT_EQ(ValueOf(reader, RmonState), "3");
    EXPECT_EQ(ValueOf(reader, TrustHost + ".3.1"), "1");
    EXPECT_EQ(ValueOf(reader, UsmUser + ".5" + Md5User), ".1.3.6.1.6.3.10.1.1.2");
    EXPECT_TRUE(SnmpTool::Values(reader.Walk(UsmUser + ".13.9").out).empty());
    EXPECT_EQ(ValueOf(reader, StaticRoute + ".6" + DataRoute), "3");
    EXPECT_TRUE(SnmpTool::Values(reader.Walk(StaticRoute + ".6.10.7").out).empty());
}

struct Step {
    const char* what;
    std::string value;
    const char* error; // nullptr: accepted
    const char* after; // the object's value afterwards
};

// Runs the SETs of `steps` in order on one object and checks each answer and what follows.
void RunSteps(const SnmpTool& writer, const std::string& oid, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const ProgramResult r = writer.Set({oid, "i", step.value});
        if (step.error == nullptr) {
            EXPECT_EQ(r.exitCode, 0) << r.err;
        } else {
            EXPECT_NE(r.exitCode, 0);
            EXPECT_NE(r.err.find(step.error), std::string::npos) << r.err;
        }
        EXPECT_EQ(ValueOf(writer, oid), step.after);
    }
}

TEST(SimObjects, TimeZoneTakesMinutesFromMinus779To839) {
    TestAgent agent;
    const SnmpTool writer(agent, Write);
    RunSteps(writer, TimeZone,
             {
                 {"lowest offset", "-779", nullptr, "-779"},
                 {"below the lowest", "-780", "wrongValue", "-779"},
                 {"highest offset", "839", nullptr, "839"},
                 {"above the highest", "840", "wrongValue", "839"},
                 {"UTC", "0", nullptr, "0"},
             });
}

TEST(SimObjects, SpinLockTakesOnlyItsCurrentValueAndAdvances) {
    TestAgent agent;
    const SnmpTool writer(agent, Write);
    ASSERT_EQ(ValueOf(writer, SpinLock), "1042"); // the data file's value
    RunSteps(writer, SpinLock,
             {
                 {"current value", "1042", nullptr, "1043"},
                 {"the value just used", "1042", "inconsistentValue", "1043"},
                 {"a value ahead", "1044", "inconsistentValue", "1043"},
                 {"negative", "-1", "wrongValue", "1043"},
                 {"current value again", "1043", nullptr, "1044"},
             });

    // A manager takes the lock together with its change: both hold, or neither does.
    const std::string publicText = UsmUser + ".11" + Md5User;
    const ProgramResult locked = writer.Set({SpinLock, "i", "1044", publicText, "s", "mine"});
    EXPECT_EQ(locked.exitCode, 0) << locked.err;
    EXPECT_EQ(ValueOf(writer, SpinLock), "1045");
    EXPECT_EQ(ValueOf(writer, publicText), "\"mine\"");
    const ProgramResult lost = writer.Set({SpinLock, "i", "1044", publicText, "s", "theirs"});
    EXPECT_NE(lost.err.find("inconsistentValue"), std::string::npos) << lost.err;
    const ProgramResult undone =
        writer.Set({SpinLock, "i", "1045", UsmUser + ".12" + Md5User, "i", "9"});
    EXPECT_NE(undone.err.find("wrongValue"), std::string::npos) << undone.err;
    EXPECT_EQ(ValueOf(writer, SpinLock), "1045");
    EXPECT_EQ(ValueOf(writer, publicText), "\"mine\"");
}

TEST(SimObjects, AFailedVarbindUndoesTheWholeRequest) {
    TestAgent agent;
    const SnmpTool writer(agent, Write);
    // RMON state is valid, the STP version is not: neither may change.
    const ProgramResult r = writer.Set({RmonState, "i", "2", Vendor + ".12.15.1.2.0", "i", "9"});
    EXPECT_NE(r.err.find("wrongValue"), std::string::npos) << r.err;
    EXPECT_EQ(ValueOf(writer, RmonState), "3");
}

struct RowCase {
    const char* table;
    std::string status;               // the row's status cell
    std::vector<std::string> alsoSet; // further triples of the creating request
    std::vector<std::pair<std::string, std::string>> cells; // what the new row reads
};

TEST(SimObjects, CreateAndGoAddsARowAndDestroyRemovesIt) {
    const std::string rule = AclRule;
    // A user "bob" of engine 80 00 00 00 01: two length-prefixed index parts.
    const std::string bob = Counted(std::vector<int>{0x80, 0, 0, 0, 1}) + Counted("bob");
    const RowCase cases[] = {
        {"USM user, engine ID and user name",
         UsmUser + ".13" + bob,
         // Clone-from and key changes are taken but always read 0.0 and empty.
         {UsmUser + ".5" + bob, "o", ".1.3.6.1.6.3.10.1.1.3", UsmUser + ".11" + bob, "s", "lab",
          UsmUser + ".4" + bob, "o", UsmUser + ".3" + Md5User, UsmUser + ".6" + bob, "x",
          "00112233445566778899AABBCCDDEEFF"},
         {{UsmUser + ".3" + bob, "\"bob\""},
          {UsmUser + ".4" + bob, ".0.0"},
          {UsmUser + ".5" + bob, ".1.3.6.1.6.3.10.1.1.3"},
          {UsmUser + ".6" + bob, "\"\""},
          {UsmUser + ".8" + bob, ".1.3.6.1.6.3.10.1.2.1"},
          {UsmUser + ".11" + bob, "\"lab\""},
          {UsmUser + ".12" + bob, "3"},
          {UsmUser + ".13" + bob, "1"}}},
        {"ACL profile 7",
         AclProfile + ".8.7",
         {AclProfile + ".3.7", "i", "3", AclProfile + ".4.7", "x", "FFFFFFFFFFFF"},
         {{AclProfile + ".2.7", "2"},
          {AclProfile + ".3.7", "3"},
          {AclProfile + ".4.7", "FF FF FF FF FF FF"},
          {AclProfile + ".8.7", "1"},
          {AclProfile + ".9.7", "2"}}},
        {"ACL rule, index profile 2 access 3, with its ports and action",
         rule + ".15.2.3",
         {rule + ".14.2.3", "x", "0000000F", rule + ".13.2.3", "i", "3"},
         {{rule + ".2.2.3", "3"},
          {rule + ".13.2.3", "3"},
          {rule + ".14.2.3", "00 00 00 0F"},
          {rule + ".15.2.3", "1"},
          {rule + ".16.2.3", "2"}}},
        {"trust host",
         TrustHost + ".3.20",
         {TrustHost + ".2.20", "a", "10.20.30.40"},
         {{TrustHost + ".2.20", "10.20.30.40"},
          {TrustHost + ".3.20", "1"},
          {TrustHost + ".4.20", "255.255.255.255"}}},
        {"OSPF host, index address 10.9.8.7 and TOS 4",
         OspfHost + ".5.10.9.8.7.4",
         {},
         {{OspfHost + ".1.10.9.8.7.4", "10.9.8.7"},
          {OspfHost + ".2.10.9.8.7.4", "4"},
          {OspfHost + ".5.10.9.8.7.4", "1"}}},
        {"ACL rule, index profile 4 access 9",
         rule + ".15.4.9",
         {},
         {{rule + ".2.4.9", "9"},
          {rule + ".13.4.9", "2"},
          {rule + ".15.4.9", "1"},
          {rule + ".16.4.9", "2"}}},
    };
    TestAgent agent;
    const SnmpTool writer(agent, Write);
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.table);
        std::vector<std::string> create = {c.status, "i", "4"};
        create.insert(create.end(), c.alsoSet.begin(), c.alsoSet.end());
        const ProgramResult created = writer.Set(create);
        ASSERT_EQ(created.exitCode, 0) << created.err;
        for (const auto& [oid, value] : c.cells)
            EXPECT_EQ(ValueOf(writer, oid), value) << oid;

        const ProgramResult destroyed = writer.Set({c.status, "i", "6"});
        ASSERT_EQ(destroyed.exitCode, 0) << destroyed.err;
        for (const auto& [oid, value] : c.cells)
            EXPECT_NE(ValueOf(writer, oid).find("No Such Instance"), std::string::npos) << oid;
        // Destroying a row that is gone is no error, and leaves nothing behind.
        EXPECT_EQ(writer.Set({c.status, "i", "6"}).exitCode, 0);
        for (const auto& [oid, value] : c.cells)
            EXPECT_NE(ValueOf(writer, oid).find("No Such Instance"), std::string::npos) << oid;
    }
}

TEST(SimObjects, ValidAddsARowAndInvalidRemovesIt) {
    const std::string route = ".10.3.0.0.255.255.0.0.2";
    const std::string host = Counted("lab.test") + ".198.51.100.7";
    const RowCase cases[] = {
        {"static route, with its next hop",
         StaticRoute + ".6" + route,
         {StaticRoute + ".4" + route, "a", "192.0.2.99"},
         // Index columns from the index, the metric from its declared start value.
         {{StaticRoute + ".1" + route, "10.3.0.0"},
          {StaticRoute + ".2" + route, "255.255.0.0"},
          {StaticRoute + ".3" + route, "2"},
          {StaticRoute + ".4" + route, "192.0.2.99"},
          {StaticRoute + ".5" + route, "1"},
          {StaticRoute + ".6" + route, "3"}}},
        {"static route, status alone",
         StaticRoute + ".6" + route,
         {},
         {{StaticRoute + ".1" + route, "10.3.0.0"},
          {StaticRoute + ".4" + route, "0.0.0.0"},
          {StaticRoute + ".6" + route, "3"}}},
        {"DNS entry", DnsEntry + ".3" + host, {}, {{DnsEntry + ".3" + host, "3"}}},
    };
    TestAgent agent;
    const SnmpTool writer(agent, Write);
    const auto expectGone = [&](const RowCase& c) {
        for (const auto& [oid, value] : c.cells)
            EXPECT_NE(ValueOf(writer, oid).find("No Such Instance"), std::string::npos) << oid;
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.table);
        std::vector<std::string> create = {c.status, "i", "3"};
        create.insert(create.end(), c.alsoSet.begin(), c.alsoSet.end());
        const ProgramResult created = writer.Set(create);
        ASSERT_EQ(created.exitCode, 0) << created.err;
        for (const auto& [oid, value] : c.cells)
            EXPECT_EQ(ValueOf(writer, oid), value) << oid;

        // Valid on the existing row keeps it as it is.
        const ProgramResult kept = writer.Set({c.status, "i", "3"});
        EXPECT_EQ(kept.exitCode, 0) << kept.err;
        for (const auto& [oid, value] : c.cells)
            EXPECT_EQ(ValueOf(writer, oid), value) << oid;

        const ProgramResult removed = writer.Set({c.status, "i", "2"});
        ASSERT_EQ(removed.exitCode, 0) << removed.err;
        expectGone(c);
        // Removing a row that is gone is no error, and leaves nothing behind.
        const ProgramResult again = writer.Set({c.status, "i", "2"});
        EXPECT_EQ(again.exitCode, 0) << again.err;
        expectGone(c);
    }

    // A creating request with a refused cell creates nothing.
    const ProgramResult refused =
        writer.Set({StaticRoute + ".6" + route, "i", "3", StaticRoute + ".5" + route, "i", "0"});
    EXPECT_NE(refused.err.find("wrongValue"), std::string::npos) << refused.err;
    expectGone(cases[0]);

    // A row of the data file: valid keeps it (and makes it read valid), invalid removes all of
    // its cells and no other row's.
    const std::string status = StaticRoute + ".6" + DataRoute;
    EXPECT_EQ(writer.Set({status, "i", "3"}).exitCode, 0);
    EXPECT_EQ(ValueOf(writer, status), "3");
    EXPECT_EQ(ValueOf(writer, StaticRoute + ".4" + DataRoute), "192.0.2.10");
    EXPECT_EQ(writer.Set({status, "i", "2"}).exitCode, 0);
    EXPECT_EQ(SnmpTool::Values(writer.Walk(StaticRoute).out).size(), 12u);
    for (int column = 1; column <= 6; ++column) {
        const std::string cell = StaticRoute + "." + std::to_string(column) + DataRoute;
        EXPECT_NE(ValueOf(writer, cell).find("No Such Instance"), std::string::npos) << cell;
    }
}

TEST(SimObjects, NotificationReceiversAreComplete) {
    TestAgent agent;
    const SnmpTool reader(agent, Read);
    const std::string targetAddr = ".1.3.6.1.6.3.12.1.2.1";
    const std::string targetParams = ".1.3.6.1.6.3.12.1.3.1";
    // Two receivers, each with its parameters, notify entry and filter profile.
    for (const std::string& column : {targetAddr + ".3", targetParams + ".4",
                                      std::string(".1.3.6.1.6.3.13.1.1.1.2"),
                                      std::string(".1.3.6.1.6.3.13.1.2.1.1")})
        EXPECT_EQ(SnmpTool::Values(reader.Walk(column).out).size(), 2u) << column;
    // Names are IMPLIED indexes. The parameters a receiver names exist and are active.
    const std::string nms1 = ".110.109.115.49";
    const std::string paramsV2c = ".112.97.114.97.109.115.95.118.50.99";
    EXPECT_EQ(ValueOf(reader, targetAddr + ".7" + nms1), "\"params_v2c\"");
    EXPECT_EQ(ValueOf(reader, targetAddr + ".9" + nms1), "1");
    EXPECT_EQ(ValueOf(reader, targetParams + ".7" + paramsV2c), "1");
    // The community MIB's extension of the receiver's row: its maximum message size.
    EXPECT_EQ(ValueOf(reader, ".1.3.6.1.6.3.18.1.2.1.2" + nms1), "1472");
}

TEST(SimObjects, CommunityTableRowsAreCommunitiesInForce) {
    TestAgent agent;
    const std::string entry = Community;
    // The index is the community's name as an IMPLIED string: no length prefix.
    const std::string index = ".110.101.119.99.109"; // "newcm"
    const SnmpTool admin(agent, {"-v2c", "-c", "private"});
    const SnmpTool newcomer(agent, {"-v2c", "-c", "newcm"});
    EXPECT_NE(newcomer.Get({SysUpTime}).exitCode, 0);
    EXPECT_EQ(ValueOf(admin, entry + ".2.112.117.98.108.105.99"), "\"public\"");
    // Every column but the index answers for a configured row.
    EXPECT_EQ(SnmpTool::Values(admin.Walk(entry).out).size(), 4u * 7u);

    const ProgramResult created = admin.Set({entry + ".8" + index, "i", "4", entry + ".2" + index,
                                             "s", "newcm", entry + ".3" + index, "s", "writeSec"});
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(newcomer.Get({SysUpTime}).exitCode, 0);
    EXPECT_EQ(newcomer.Set({RmonState, "i", "2"}).exitCode, 0);

    ASSERT_EQ(admin.Set({entry + ".8" + index, "i", "6"}).exitCode, 0);
    EXPECT_NE(newcomer.Get({SysUpTime}).exitCode, 0);
}

TEST(SimDevice, AdministrativelyDownPortLosesItsLink) {
    TestAgent agent;
    const SnmpTool writer(agent, Write, {"-Ox"});
    EXPECT_EQ(ValueOf(writer, ".1.3.6.1.2.1.2.2.1.8.1"), "1");
    ASSERT_EQ(writer.Set({".1.3.6.1.2.1.2.2.1.7.1", "i", "2"}).exitCode, 0);
    EXPECT_EQ(ValueOf(writer, ".1.3.6.1.2.1.2.2.1.8.1"), "2");
    const std::vector<int> led = Octets(ValueOf(writer, LedStatus));
    ASSERT_GT(led.size(), 4u);
    EXPECT_EQ(led[4], 0); // port 1's state octet: link down
}

struct PanelCase {
    std::vector<std::string> args;
    const char* mode;
};

TEST(SimDevice, FrontPanelLedsFollowTheDisplayMode) {
    const PanelCase cases[] = {{{}, "1"}, {{"--poe"}, "2"}};
    for (const PanelCase& c : cases) {
        SCOPED_TRACE(c.mode);
        TestAgent agent(TestAgent::Kind::Simulator, c.args);
        const SnmpTool tool(agent, Read, {"-Ox"});
        EXPECT_EQ(ValueOf(tool, LedMode), c.mode);
        // Power, console, RPS, then a presence/state pair for each of the 28 ports.
        const std::vector<int> led = Octets(ValueOf(tool, LedStatus));
        ASSERT_EQ(led.size(), 3u + 2u * 28u);
        EXPECT_EQ(led[0], 1);
        EXPECT_EQ(led[3 + 2 * 25], 1); // combo port 26 has no module: absent
        for (int port = 1; port <= 24; ++port) {
            const std::string poe =
                ValueOf(tool, Vendor + ".12.24.4.1.1.7." + std::to_string(port));
            EXPECT_TRUE(poe == "1" || poe == "2" || poe == "3") << port << ": " << poe;
        }
    }
}

// One reading of the front panel: the LED status octets and the PoE LEDs of ports 1 to 24.
struct PanelReading {
    std::vector<int> leds;
    std::vector<std::string> poe;

    std::vector<int> PortOctets() const {
        return leds.size() > 3 ? std::vector<int>(leds.begin() + 3, leds.end()) : leds;
    }
    int LinkState(int port) const { return leds.at(static_cast<size_t>(4 + 2 * (port - 1))); }
};

PanelReading ReadPanel(const SnmpTool& tool) {
    std::vector<std::string> oids = {LedStatus};
    for (int port = 1; port <= 24; ++port)
        oids.push_back(Vendor + ".12.24.4.1.1.7." + std::to_string(port));
    const auto values = SnmpTool::Values(tool.Get(oids).out);
    PanelReading reading;
    const auto leds = values.find(LedStatus);
    if (leds != values.end())
        reading.leds = Octets(leds->second);
    for (size_t i = 1; i < oids.size(); ++i) {
        const auto poe = values.find(oids[i]);
        reading.poe.push_back(poe == values.end() ? "(no answer)" : poe->second);
    }
    return reading;
}

// What the panel's colour maps can show: power on, console idle, RPS not connected; per port
// a presence octet (0 present, 0x80 present with traffic, 1 absent) and a state octet (0 down,
// 1 and 2 copper links, 3 a fibre link on a combo port); traffic only on a link.
void ExpectValidPanel(const PanelReading& reading) {
    ASSERT_EQ(reading.leds.size(), 3u + 2u * 28u);
    EXPECT_EQ(reading.leds[0], 1);
    EXPECT_EQ(reading.leds[1], 1);
    EXPECT_EQ(reading.leds[2], 4);
    for (int port = 1; port <= 28; ++port) {
        SCOPED_TRACE(port);
        const int presence = reading.leds[static_cast<size_t>(3 + 2 * (port - 1))];
        const int state = reading.LinkState(port);
        if (port == 26) {
            EXPECT_EQ(presence, 1); // combo port without a module
            continue;
        }
        EXPECT_TRUE(presence == 0 || presence == 0x80) << presence;
        EXPECT_LE(state, port == 25 ? 3 : 2);
        if (presence == 0x80) {
            EXPECT_NE(state, 0);
        }
    }
    ASSERT_EQ(reading.poe.size(), 24u);
    for (const std::string& poe : reading.poe)
        EXPECT_TRUE(poe == "1" || poe == "2" || poe == "3") << poe;
}

TEST(SimDevice, PortLedsChangeOverTimeInBothModes) {
    // Both modes run side by side, read once a second for at most seven seconds. Traffic
    // changes the port octets from one second to the next; port 17's link and port 7's PoE
    // state change every five seconds.
    struct Mode {
        std::string name;
        std::unique_ptr<TestAgent> agent;
        std::unique_ptr<SnmpTool> tool;
        PanelReading first;
        bool linkChanged = false;
        bool poeChanged = false;
    };
    const PanelCase cases[] = {{{}, "1"}, {{"--poe"}, "2"}};
    std::vector<Mode> modes(std::size(cases));
    for (size_t i = 0; i < modes.size(); ++i) {
        modes[i].name = std::string("LED mode ") + cases[i].mode;
        modes[i].agent = std::make_unique<TestAgent>(TestAgent::Kind::Simulator, cases[i].args);
        modes[i].tool =
            std::make_unique<SnmpTool>(*modes[i].agent, Read, std::vector<std::string>{"-Ox"});
    }
    for (Mode& mode : modes) {
        mode.first = ReadPanel(*mode.tool);
        SCOPED_TRACE(mode.name);
        ExpectValidPanel(mode.first);
    }
    const auto allChanged = [&modes] {
        for (const Mode& mode : modes) {
            if (!mode.linkChanged || !mode.poeChanged)
                return false;
        }
        return true;
    };
    for (int second = 1; second <= 7 && !allChanged(); ++second) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        for (Mode& mode : modes) {
            SCOPED_TRACE(mode.name + ", second " + std::to_string(second));
            const PanelReading now = ReadPanel(*mode.tool);
            ExpectValidPanel(now);
            if (now.leds.size() != mode.first.leds.size())
                continue;
            // Readings a second or more apart always differ in the port octets.
            EXPECT_NE(now.PortOctets(), mode.first.PortOctets());
            mode.linkChanged = mode.linkChanged || now.LinkState(17) != mode.first.LinkState(17);
            mode.poeChanged = mode.poeChanged || now.poe != mode.first.poe;
        }
    }
    for (const Mode& mode : modes) {
        SCOPED_TRACE(mode.name);
        EXPECT_TRUE(mode.linkChanged);
        EXPECT_TRUE(mode.poeChanged);
    }
}

TEST(SimDevice, CountersAdvanceWhileItRuns) {
    const std::vector<std::string> counters = {
        ".1.3.6.1.2.1.2.2.1.10.1",   // ifInOctets.1
        ".1.3.6.1.2.1.2.2.1.17.27",  // ifOutUcastPkts.27
        ".1.3.6.1.2.1.31.1.1.1.6.1", // ifHCInOctets.1
        ".1.3.6.1.2.1.4.3.0",        // ipInReceives
        ".1.3.6.1.2.1.5.1.0",        // icmpInMsgs
        ".1.3.6.1.2.1.7.1.0",        // udpInDatagrams
        ".1.3.6.1.2.1.11.1.0",       // snmpInPkts
        ".1.3.6.1.2.1.17.4.4.1.3.1", // dot1dTpPortInFrames.1
        SysUpTime,
    };
    TestAgent agent;
    const SnmpTool tool(agent, Read);
    std::vector<uint64_t> before;
    for (const std::string& oid : counters)
        before.push_back(NumberOf(tool, oid));
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    for (size_t i = 0; i < counters.size(); ++i)
        EXPECT_GT(NumberOf(tool, counters[i]), before[i]) << counters[i];
}

TEST(SimDevice, SaveCompletesAndRebootRestartsFromTheDataFile) {
    TestAgent agent(TestAgent::Kind::Simulator, {"--reboot-seconds", "3"});
    const SnmpTool writer(agent, Write);
    ASSERT_EQ(writer.Set({Vendor + ".12.1.2.6.0", "i", "3"}).exitCode, 0);
    EXPECT_EQ(ValueOf(writer, Vendor + ".12.1.1.4.0"), "3"); // Save Configuration: completed

    ASSERT_EQ(writer.Set({RmonState, "i", "2"}).exitCode, 0);
    const ProgramResult reboot = writer.Set({Vendor + ".12.1.2.19.0", "i", "1"});
    ASSERT_EQ(reboot.exitCode, 0) << reboot.err; // the command itself is answered
    EXPECT_NE(writer.Get({SysUpTime}).err.find("Timeout"), std::string::npos);

    bool back = false;
    for (int attempt = 0; attempt < 10 && !back; ++attempt)
        back = writer.Get({SysUpTime}).exitCode == 0;
    ASSERT_TRUE(back);
    EXPECT_EQ(ValueOf(writer, RmonState), "3");
    EXPECT_LT(NumberOf(writer, SysUpTime), 1000u); // booted again less than ten seconds ago
}

struct TableCase {
    std::vector<std::string> args;
    std::string column;
    size_t rows;
};

TEST(SimTables, GeneratedTableHasTheAskedRows) {
    const std::string bench = Vendor + ".99.1.1";
    const TableCase cases[] = {{{}, bench, 0},
                               {{"--rows", "100"}, bench + ".1", 100},
                               {{"--rows", "100"}, bench + ".2", 100}};
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.column);
        TestAgent agent(TestAgent::Kind::Simulator, c.args);
        const SnmpTool tool(agent, Read);
        const auto values = SnmpTool::Values(tool.Walk(c.column).out);
        EXPECT_EQ(values.size(), c.rows);
        if (c.rows > 0) {
            EXPECT_EQ(values.count(c.column + "." + std::to_string(c.rows)), 1u);
        }
    }
}

TEST(SimTables, ShortColumnRunsIntoTheNextColumn) {
    const std::string table = Vendor + ".99.2.1";
    TestAgent agent;
    const SnmpTool tool(agent, Read);
    const TableCase columns[] = {
        {{}, table + ".2", 3}, {{}, table + ".3", 2}, {{}, table + ".4", 3}};
    for (const TableCase& c : columns)
        EXPECT_EQ(SnmpTool::Values(tool.Walk(c.column).out).size(), c.rows) << c.column;
    const auto next = SnmpTool::Values(tool.GetNext({table + ".3.2"}).out);
    EXPECT_EQ(next.count(table + ".4.1"), 1u);
}

} // namespace
