// Walks a generated table of 10,000 rows on the simulator, asynchronously through the event
// pump: over SNMPv1 (get-next) against net-snmp's snmpwalk -v1, and over SNMPv2c (GETBULK)
// against snmpbulkwalk -v2c -Cr25, on the same table in the same run.

#include "AsyncWalker.h"
#include "BenchSupport.h"
#include "TestAgent.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QCoreApplication>
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
constexpr int Repeats = 5;
constexpr const char* Entry = "1.3.6.1.4.1.32473.99.1.1";

// Seconds for one asynchronous walk of the table, or a negative number when it failed.
double OurWalk(const TestAgent& agent, int version, const UISnmpVar* table, int indexCount) {
    QxSNMPRequest request;
    request.device.address = "127.0.0.1";
    request.device.port = static_cast<std::uint16_t>(agent.Port());
    request.security.version = static_cast<std::uint8_t>(version);
    request.security.readCommunity = "public";
    request.timeout = 200;
    QxSNMPVarList list(table, MVT_FMV, indexCount);
    request.vars.Assign(list);

    AsyncWalker walker(request);
    QTimer wake;
    wake.start(50);
    auto start = Clock::now();
    walker.Start();
    while (!walker.ended && Clock::now() - start < std::chrono::minutes(2)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!walker.ended || walker.code != 0 || walker.rows != Rows) {
        std::fprintf(stderr, "walk failed: code %d, %d rows\n", walker.code, walker.rows);
        return -1;
    }
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir bootFolder;
    QxSNMPSession::CreateGlobal(bootFolder.path().toStdString());
    TestAgent agent(TestAgent::Kind::Simulator, {"--rows", std::to_string(Rows)});

    struct Case {
        const char* name;
        const UISnmpVar* table;
        int indexCount;
        std::string toolOid;
    } cases[] = {
        {"1 column", OneColumn, 0, std::string(Entry) + ".2"},
        {"3 columns", ThreeColumns, 1, Entry},
    };
    struct Version {
        int code;
        const char* name;
        const char* flag;
    } versions[] = {{0, "v1", "-v1"}, {1, "v2c", "-v2c"}};

    // An argument keeps only the cases whose name ("v1 1 column", ...) contains it.
    const std::string only = argc > 1 ? argv[1] : "";
    bool failed = false;
    for (const Version& v : versions) {
        const bool bulk = v.code != 0;
        for (const Case& c : cases) {
            if ((std::string(v.name) + " " + c.name).find(only) == std::string::npos) {
                continue;
            }
            std::vector<double> ours;
            std::vector<double> tool;
            for (int k = 0; k < Repeats; ++k) {
                ours.push_back(OurWalk(agent, v.code, c.table, c.indexCount));
                tool.push_back(bulk ? ToolBulkWalk(agent, c.toolOid.c_str())
                                    : ToolWalk(agent, v.flag, c.toolOid.c_str()));
            }
            double a = Best(ours);
            double b = Best(tool);
            if (a < 0 || b < 0) {
                failed = true;
                std::printf("walk %s %s, %d rows: failed\n", v.name, c.name, Rows);
                continue;
            }
            std::printf("walk %s %s, %d rows: ours %.3f s, %s %.3f s, ratio %.2f (goal at most "
                        "%.2f)%s\n",
                        v.name, c.name, Rows, a, bulk ? "snmpbulkwalk -Cr25" : "snmpwalk -v1", b,
                        a / b, WalkGoalRatio, GoalMark(a / b));
        }
    }
    return failed ? 1 : 0;
}
