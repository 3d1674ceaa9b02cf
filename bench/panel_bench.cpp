// The main window (offscreen) polling the simulator's front panel: the time from process start
// to the first LEDs painted from a device answer, then the CPU time the idle window uses over
// 30 s of polling, per minute, and the peak resident memory of the process.

#include "TestAgent.h"
#include "binding/QxSNMPRequest2Leds.h"
#include "main_window/TFrontPanel.h"
#include "main_window/TMainForm.h"
#include "shell/QxDeviceConfig.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TStatusBar.h"

#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Seconds since the process started, from the kernel's record of its start.
double SecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    size_t end = text.rfind(')');
    std::istringstream fields(text.substr(end + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i == 22) {
            startTicks = std::stoull(field);
        }
    }
    std::ifstream uptime("/proc/uptime");
    double up = 0;
    uptime >> up;
    return up - static_cast<double>(startTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void RunFor(std::chrono::milliseconds span) {
    QTimer wake;
    wake.start(100);
    auto end = Clock::now() + span;
    while (Clock::now() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the process took to reach main; the simulator's own start is not the module's.
    double started = SecondsSinceProcessStart();
    static TestAgent* agent = new TestAgent(TestAgent::Kind::Simulator);
    auto shown = Clock::now();
    TApplication app(argc, argv);
    QTemporaryDir dir;
    std::string bin = dir.filePath(QStringLiteral("velsyn_ems/bin")).toStdString() + "/";
    QDir().mkpath(QString::fromStdString(bin));
    QxDeviceConfig::Values file;
    file.agentIp = "127.0.0.1";
    file.agentPort = std::to_string(agent->Port());
    file.version = "1";
    QxDeviceConfig::Write(bin + "127.0.0.1.cfg", file);
    QDir::setCurrent(dir.path());

    TMainForm form({"/I127.0.0.1", "/v1", "/Rreadcm", "/Wwritecm"}, bin);
    form.show();
    // The LED bindings exist once the display mode has been read.
    auto answered = [&] {
        QxSNMPRequest2Leds* leds = form.FrontPanel()->LedStatusBinding();
        return form.StatusBar1()->Panel(0)->Text().rfind("Get: Ok!", 0) == 0 && leds != nullptr &&
               leds->answerCount > 0;
    };
    QTimer wake;
    wake.start(5);
    while (!answered() && Clock::now() - shown < std::chrono::seconds(10)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    wake.stop();
    if (!answered()) {
        std::printf("front panel: no LED answer within 10 s\n");
        return 1;
    }
    double firstLeds = started + std::chrono::duration<double>(Clock::now() - shown).count();

    double cpuBefore = CpuSeconds();
    auto before = Clock::now();
    RunFor(std::chrono::seconds(30));
    double wall = std::chrono::duration<double>(Clock::now() - before).count();
    double cpu = CpuSeconds() - cpuBefore;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("front panel: first LEDs from the device %.0f ms after process start "
                "(goal 400 ms)\n",
                firstLeds * 1000);
    std::printf("front panel: %.2f s CPU per minute while polling, %.2f %% of one core "
                "(goal 1 %%)\n",
                cpu * 60 / wall, cpu * 100 / wall);
    std::printf("front panel: peak resident memory %.1f MB (goal 80 MB)\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    form.hide();
    delete agent;
    return 0;
}
