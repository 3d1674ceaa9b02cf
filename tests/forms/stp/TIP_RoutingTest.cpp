#include "AgentTarget.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/monitor/stp/TIP_Routing.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TStatusBar.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* RouteEntry = "1.3.6.1.2.1.4.21.1";
constexpr const char* InSetRequests = "1.3.6.1.2.1.11.17.0";

const std::vector<std::string> Headings = {
    "Dest", "IF Index", "Metric1", "Metric2", "Metric3", "Metric4", "Next Hop",
    "Type", "Proto",    "Age",     "Mask",    "Metric5", "Info",
};

class IpRouting : public UiTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator);
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
        SnmpGlobal().ResetParameters();
    }

    void SetUp() override {
        UiTest::SetUp();
        Target(sim_->Port());
    }
    void TearDown() override {
        form_.reset();
        UiTest::TearDown();
    }

    static void Target(int port) {
        QxSNMPGlobal& global = SnmpGlobal();
        global.device.address = "127.0.0.1";
        global.device.port = static_cast<std::uint16_t>(port);
        global.security.version = 1;
        global.security.readCommunity = "public";
        global.security.writeCommunity = "private";
    }

    static SnmpTool Tool() { return SnmpTool(*sim_, {"-v2c", "-c", "private"}); }

    static long SetRequests() {
        const ProgramResult r = Tool().Get({InSetRequests});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return std::atol(SnmpTool::Values(r.out)["." + std::string(InSetRequests)].c_str());
    }

    // The route table as the agent serves it: column number -> destination -> value text.
    static std::map<int, std::map<std::string, std::string>> DeviceRoutes() {
        const ProgramResult r = Tool().Walk(RouteEntry);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        std::map<int, std::map<std::string, std::string>> table;
        const std::string prefix = "." + std::string(RouteEntry) + ".";
        for (const auto& [oid, value] : SnmpTool::Values(r.out)) {
            const std::string rest = oid.substr(prefix.size());
            const size_t dot = rest.find('.');
            table[std::atoi(rest.substr(0, dot).c_str())][rest.substr(dot + 1)] = value;
        }
        return table;
    }

    TIP_Routing& OpenAndWait() {
        form_ = std::make_unique<TIP_Routing>(nullptr);
        EXPECT_TRUE(WaitUntil([&] { return !form_->Binding()->busy; }, 10000));
        return *form_;
    }

    // The list's rows by their destination (the first column).
    static std::map<std::string, const TListItem*> Rows(const TListView& list) {
        std::map<std::string, const TListItem*> rows;
        for (int i = 0; i < list.ItemCount(); ++i) {
            rows[list.Item(i)->Caption()] = list.Item(i);
        }
        return rows;
    }

    static TestAgent* sim_;
    std::unique_ptr<TIP_Routing> form_;
};

TestAgent* IpRouting::sim_ = nullptr;

TEST_F(IpRouting, ListsTheDevicesRouteTable) {
    TIP_Routing& form = OpenAndWait();
    EXPECT_EQ(form.Caption(), "IP Routing : 127.0.0.1");
    EXPECT_EQ(form.StatusBar1->Panel(0)->Text().rfind("Get: Ok!", 0), 0u)
        << form.StatusBar1->Panel(0)->Text();

    const TListView& list = *form.LV_IP_Routing;
    EXPECT_TRUE(list.GridLines());
    std::vector<std::string> headings;
    for (int i = 0; i < list.ColumnCount(); ++i) {
        headings.push_back(list.Column(i)->Caption());
    }
    EXPECT_EQ(headings, Headings);
    // Every column shows its widest value whole: addresses of four three-digit parts,
    // ten-digit integers, and its heading.
    const QFontMetrics metrics = form.LV_IP_Routing->fontMetrics();
    for (int i = 0; i < list.ColumnCount(); ++i) {
        const std::string caption = list.Column(i)->Caption();
        SCOPED_TRACE(caption);
        const bool address = caption == "Dest" || caption == "Next Hop" || caption == "Mask";
        const QString widest = QLatin1String(
            address ? "255.255.255.255"
                    : (caption == "Type" || caption == "Proto" ? "indirect" : "-2147483648"));
        EXPECT_GT(list.Column(i)->Width(), metrics.horizontalAdvance(widest));
        EXPECT_GT(list.Column(i)->Width(),
                  metrics.horizontalAdvance(QString::fromStdString(caption)));
    }

    // One row per route the agent serves, its cells as the agent has them.
    auto device = DeviceRoutes();
    const auto& destinations = device[1];
    ASSERT_FALSE(destinations.empty());
    auto rows = Rows(list);
    ASSERT_EQ(rows.size(), destinations.size());
    const struct {
        int column; // of the route table; the list's column is one less
    } numericOrAddress[] = {{2}, {3}, {4}, {5}, {6}, {7}, {10}, {11}, {12}};
    for (const auto& [index, dest] : destinations) {
        SCOPED_TRACE(dest);
        ASSERT_EQ(rows.count(dest), 1u);
        const TListItem& row = *rows[dest];
        for (const auto& c : numericOrAddress) {
            EXPECT_EQ(row.SubItem(c.column - 2), device[c.column][index]) << "column " << c.column;
        }
    }

    // Type and proto by their names: the default route was configured, the connected
    // network is the device's own.
    ASSERT_EQ(rows.count("0.0.0.0"), 1u);
    ASSERT_EQ(rows.count("192.0.2.0"), 1u);
    const struct {
        const char* dest;
        const char* type;
        const char* proto;
    } named[] = {{"0.0.0.0", "indirect", "netmgmt"}, {"192.0.2.0", "direct", "local"}};
    for (const auto& n : named) {
        EXPECT_EQ(rows[n.dest]->SubItem(6), n.type) << n.dest;
        EXPECT_EQ(rows[n.dest]->SubItem(7), n.proto) << n.dest;
    }
}

TEST_F(IpRouting, RefreshReadsTheTableAgainAndNothingIsWritten) {
    const std::string nextHop = std::string(RouteEntry) + ".7.0.0.0.0";
    TIP_Routing& form = OpenAndWait();
    ASSERT_EQ(Rows(*form.LV_IP_Routing).at("0.0.0.0")->SubItem(5), "192.0.2.1");

    ASSERT_EQ(Tool().Set({nextHop, "a", "192.0.2.254"}).exitCode, 0);
    const long sets = SetRequests();
    const int count = form.LV_IP_Routing->ItemCount();
    form.BT_Get->Click();
    EXPECT_TRUE(WaitUntil([&] { return !form.Binding()->busy; }, 10000));
    EXPECT_EQ(form.LV_IP_Routing->ItemCount(), count);
    EXPECT_EQ(Rows(*form.LV_IP_Routing).at("0.0.0.0")->SubItem(5), "192.0.2.254");

    form.Show();
    ASSERT_TRUE(form.isVisible());
    form.Button1->Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(SetRequests(), sets);
    ASSERT_EQ(Tool().Set({nextHop, "a", "192.0.2.1"}).exitCode, 0);
}

TEST_F(IpRouting, AnUnansweredReadIsReportedInTheStatusBar) {
    Target(FreeUdpPort());
    TIP_Routing& form = OpenAndWait();
    const std::string status = form.StatusBar1->Panel(0)->Text();
    EXPECT_EQ(status.rfind("Get: ", 0), 0u) << status;
    EXPECT_EQ(status.find("Ok!"), std::string::npos) << status;
    EXPECT_NE(status.find("timed out"), std::string::npos) << status;
    EXPECT_EQ(form.LV_IP_Routing->ItemCount(), 0);
}

} // namespace
