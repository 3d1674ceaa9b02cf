#include "main_window/TInstanceLink.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

// The module as a real process on the offscreen platform, in a folder of its own.
class Module {
public:
    Module(const QString& folder, const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process_.setProcessEnvironment(env);
        process_.setWorkingDirectory(folder);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(QStringLiteral(KSW524P_PATH), args);
        process_.waitForStarted(5000);
    }
    ~Module() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    bool Ended(int withinMs) { return process_.waitForFinished(withinMs); }
    int ExitCode() const { return process_.exitCode(); }

private:
    QProcess process_;
};

// Waits (bounded) until a window with the title listens for later starts.
bool Listening(const std::string& title) {
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
        QLocalSocket probe;
        probe.connectToServer(QString::fromStdString(TInstanceLink::ServerName(title)));
        if (probe.waitForConnected(200)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

TEST(SingleInstance, ASecondStartForTheSameHostEndsAndLeavesTheFirst) {
    QTemporaryDir dir;
    Module first(dir.path(), {QStringLiteral("/Ilocalhost"), QStringLiteral("/v1")});
    ASSERT_TRUE(Listening("KSW-524P : 127.0.0.1"));

    // The first window shows the resolved address, so the host name does not find it.
    {
        Module byName(dir.path(), {QStringLiteral("/Ilocalhost")});
        EXPECT_FALSE(byName.Ended(1500));
    }
    Module byAddress(dir.path(), {QStringLiteral("/I127.0.0.1"), QStringLiteral("/v1")});
    ASSERT_TRUE(byAddress.Ended(10000));
    EXPECT_EQ(byAddress.ExitCode(), 0);
    EXPECT_FALSE(first.Ended(0));
}

TEST(SingleInstance, HelpPrintsTheSwitches) {
    QProcess help;
    help.start(QStringLiteral(KSW524P_PATH), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(10000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().contains("/I<host>"));
}

} // namespace
