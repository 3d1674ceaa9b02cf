// Walks a generated table of 10,000 rows on the simulator into a real list view through the
// table binding, asynchronously as a page does (offscreen), over SNMPv2c (GETBULK), on loopback
// and behind a 2 ms answer delay, and times net-snmp's snmpbulkwalk -Cr25 of the same columns
// on the same simulator in the same run.

#include "BenchSupport.h"
#include "TestAgent.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/QxSNMPSession.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TListView.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Rows = 10000;
constexpr int Repeats = 3;
constexpr const char* Entry = "1.3.6.1.4.1.32473.99.1.1";

// Seconds for one walk of the table into a shown list view, or a negative number on failure.
double OurWalk(const TestAgent& agent, int version, const UISnmpVar* table, int indexCount) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 600, 400);
    auto* list = new TListView(&form);
    list->SetAlign(alClient);
    form.Show();
    QxSNMPRequest2Edits binding(&form);
    QxSNMPRequest& request = binding.request;
    request.device.address = "127.0.0.1";
    request.device.port = static_cast<std::uint16_t>(agent.Port());
    request.security.version = static_cast<std::uint8_t>(version);
    request.security.readCommunity = "public";
    request.timeout = 200;
    request.vars.Assign(QxSNMPVarList(table, MVT_FMV, indexCount));
    binding.AttachListView(list, true);
    int code = -1;
    binding.onGetComplete = [&](QxSNMPRequest2Controls&, const QxSNMPError& result) {
        code = result.code;
    };

    QTimer wake;
    wake.start(50);
    auto start = Clock::now();
    binding.Get();
    while (binding.busy && Clock::now() - start < std::chrono::minutes(2)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    TApplication::ProcessMessages(); // the list painted with its last rows
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (binding.busy || code != 0 || list->ItemCount() != Rows) {
        std::fprintf(stderr, "walk failed: code %d, %d rows\n", code, list->ItemCount());
        return -1;
    }
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    QTemporaryDir bootFolder;
    QxSNMPSession::CreateGlobal(bootFolder.path().toStdString());
    struct Device {
        const char* name;
        std::vector<std::string> options;
    } devices[] = {
        {"loopback", {"--rows", std::to_string(Rows)}},
        {"answers 2 ms late", {"--rows", std::to_string(Rows), "--delay-ms", "2"}},
    };

    struct Case {
        const char* name;
        const UISnmpVar* table;
        int indexCount;
        std::string toolOid;
    } cases[] = {
        {"1 column", OneColumn, 0, std::string(Entry) + ".2"},
        {"3 columns", ThreeColumns, 1, Entry},
    };
    bool failed = false;
    for (const Device& d : devices) {
        TestAgent agent(TestAgent::Kind::Simulator, d.options);
        for (const Case& c : cases) {
            std::vector<double> ours;
            std::vector<double> tool;
            for (int k = 0; k < Repeats; ++k) {
                ours.push_back(OurWalk(agent, 1, c.table, c.indexCount));
                tool.push_back(ToolBulkWalk(agent, c.toolOid.c_str()));
            }
            double a = Best(ours);
            double b = Best(tool);
            if (a < 0 || b < 0) {
                failed = true;
                std::printf("list view v2c %s, %s, %d rows: failed\n", c.name, d.name, Rows);
                continue;
            }
            std::printf("list view v2c %s, %s, %d rows: ours %.3f s, snmpbulkwalk -Cr25 %.3f s, "
                        "ratio %.2f (goal at most %.2f)%s\n",
                        c.name, d.name, Rows, a, b, a / b, WalkGoalRatio, GoalMark(a / b));
        }
    }
    return failed ? 1 : 0;
}
