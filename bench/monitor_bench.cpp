// The counter monitors: the CPU time an open IF monitor uses while it polls the simulator at
// a 1 s interval, against net-snmp's snmpget asking for the same objects once a second; and
// the time the bridge-port chart takes to refill three lines of 3,600 points (new points, axes
// and one paint), flat and in 3D.

#include "TestAgent.h"
#include "TestProgram.h"
#include "forms/monitor/counters/TIF_Counters.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPSession.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TChart.h"
#include "ui/toolkit/TColors.h"
#include "ui/toolkit/TTimer.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Span = std::chrono::seconds(30);
constexpr int HistoryLength = 3600;

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

void RunFor(Clock::duration span) {
    QTimer wake;
    wake.start(100);
    const auto end = Clock::now() + span;
    while (Clock::now() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

// CPU per wall second of the open IF monitor polling at 1 s; negative when it did not poll.
double MonitorCpu(int& samples) {
    TIF_Counters form(nullptr);
    form.show();
    const auto opened = Clock::now();
    while ((form.Listing() || form.Sampler().SampleCount() < 2) &&
           Clock::now() - opened < std::chrono::seconds(10)) {
        RunFor(std::chrono::milliseconds(50));
    }
    if (form.Sampler().SampleCount() < 2) {
        return -1;
    }
    const int before = form.Sampler().SampleCount();
    const double cpu = CpuSeconds(RUSAGE_SELF);
    const auto start = Clock::now();
    RunFor(Span);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    samples = form.Sampler().SampleCount() - before;
    return (CpuSeconds(RUSAGE_SELF) - cpu) / wall;
}

// CPU per wall second of snmpget asking for the same objects once a second.
double ToolCpu(const TestAgent& agent) {
    std::vector<std::string> args = {"snmpget", "-v2c", "-c", "public",       "-t",
                                     "2",       "-r",   "1",  agent.Address()};
    for (int column = 10; column <= 20; ++column) {
        args.push_back("1.3.6.1.2.1.2.2.1." + std::to_string(column) + ".1");
    }
    for (int column : {5}) {
        args.push_back("1.3.6.1.2.1.2.2.1." + std::to_string(column) + ".1");
    }
    for (int column = 6; column <= 13; ++column) {
        args.push_back("1.3.6.1.2.1.31.1.1.1." + std::to_string(column) + ".1");
    }
    args.push_back("1.3.6.1.2.1.31.1.1.1.15.1");
    args.push_back("1.3.6.1.2.1.1.3.0");
    const double cpu = CpuSeconds(RUSAGE_CHILDREN);
    const auto start = Clock::now();
    int runs = 0;
    while (Clock::now() - start < Span) {
        const auto next = Clock::now() + std::chrono::seconds(1);
        const ProgramResult r = RunProgram(args, std::chrono::seconds(10));
        if (r.exitCode != 0) {
            std::fprintf(stderr, "snmpget failed: %s\n", r.err.c_str());
            return -1;
        }
        ++runs;
        std::this_thread::sleep_until(next);
    }
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    return (CpuSeconds(RUSAGE_CHILDREN) - cpu) / wall;
}

// Milliseconds to refill three lines of `points` points with their time labels, bring the
// axes up to date and paint the chart once; the best of several runs.
double ChartRefill(bool view3D, int points) {
    TChart chart(nullptr);
    chart.resize(450, 300);
    chart.show();
    chart.SetView3D(view3D);
    std::vector<TChartSeries*> lines = {chart.AddSeries("Input Frames", clRed),
                                        chart.AddSeries("Output Frames", clGreen),
                                        chart.AddSeries("Discard Frames", clYellow)};
    std::vector<std::string> labels;
    for (int i = 0; i < points; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", 10 + i / 3600, i / 60 % 60, i % 60);
        labels.emplace_back(text);
    }
    double best = 1e9;
    for (int run = 0; run < 7; ++run) {
        std::vector<std::vector<double>> ys(3);
        for (size_t s = 0; s < 3; ++s) {
            for (int i = 0; i < points; ++i) {
                ys[s].push_back(
                    static_cast<double>((i * 37 + run * 11 + static_cast<int>(s) * 5) % 400));
            }
        }
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        for (size_t s = 0; s < 3; ++s) {
            lines[s]->SetPoints(ys[s], labels);
        }
        chart.UpdateAxes();
        chart.viewport()->repaint();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    QTemporaryDir bootFolder;
    QxSNMPSession::CreateGlobal(bootFolder.path().toStdString());
    TestAgent agent(TestAgent::Kind::Simulator);
    QxSNMPGlobal& global = SnmpGlobal();
    global.device.address = "127.0.0.1";
    global.device.port = static_cast<std::uint16_t>(agent.Port());
    global.security.version = 1;
    global.security.readCommunity = "public";
    global.security.writeCommunity = "private";

    bool failed = false;
    int samples = 0;
    const double ours = MonitorCpu(samples);
    const double tool = ToolCpu(agent);
    if (ours < 0 || tool < 0) {
        failed = true;
        std::printf("IF monitor at 1 s: failed\n");
    } else {
        std::printf("IF monitor at 1 s: %.2f %% of one core (%d samples in %lld s), snmpget once "
                    "a second %.2f %%, ratio %.2f (goal 1 %%)\n",
                    ours * 100, samples, static_cast<long long>(Span.count()), tool * 100,
                    tool > 0 ? ours / tool : 0.0);
    }
    for (bool view3D : {false, true}) {
        std::printf("bridge-port chart refill, 3 lines of %d points%s: %.1f ms (goal 20 ms)\n",
                    HistoryLength, view3D ? ", 3D" : "", ChartRefill(view3D, HistoryLength));
    }
    return failed ? 1 : 0;
}
