#include "main_window/TInstanceLink.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

// Each test process keeps its instances to itself, so that tests running in parallel (and the
// modules they start, which inherit the scope) never find one another's windows.
const bool ScopedInstances = [] {
    return qputenv("KSW_INSTANCE_SCOPE", QByteArray("tests-") + QByteArray::number(::getpid()));
}();

// The module as a real process on the offscreen platform, in a folder of its own.
class Module {
public:
    Module(const QString& folder, const QStringList& args, const QString& tmpDir = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!tmpDir.isEmpty()) {
            env.insert(QStringLiteral("TMPDIR"), tmpDir);
        }
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
    bool Running() {
        process_.waitForFinished(0);
        return process_.state() != QProcess::NotRunning;
    }
    std::string Output() { return process_.readAll().toStdString(); }
    int ExitCode() const { return process_.exitCode(); }

private:
    QProcess process_;
};

// Waits (bounded) until a window with the title listens for later starts.
bool Listening(const std::string& title) {
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
        if (TInstanceLink::Held(title, 200)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

TEST(InstanceLink, ATitleHasOneHolderUntilItIsGivenUp) {
    const std::string title = "KSW-524P : 127.0.0.23";
    TInstanceLink first;
    TInstanceLink second;
    EXPECT_FALSE(TInstanceLink::Held(title));
    ASSERT_TRUE(first.Claim(title));
    EXPECT_TRUE(TInstanceLink::Held(title));
    // The second asks the first to come forward (it cannot answer here) and does not go on.
    EXPECT_FALSE(second.Claim(title, 200));
    EXPECT_FALSE(second.Listen(title));
    EXPECT_EQ(second.Title(), "");
    // The window's own title replaces the one claimed at start-up.
    EXPECT_TRUE(first.Listen("KSW-524P : 127.0.0.24"));
    EXPECT_FALSE(TInstanceLink::Held(title));
    EXPECT_TRUE(second.Claim(title));
    EXPECT_EQ(second.Title(), title);
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

TEST(SingleInstance, OfTwoRacingStartsExactlyOneKeepsItsWindow) {
    QTemporaryDir dir;
    const QStringList args = {QStringLiteral("/I127.0.0.21"), QStringLiteral("/v1")};
    for (int round = 0; round < 3; ++round) {
        auto a = std::make_unique<Module>(dir.path(), args);
        auto b = std::make_unique<Module>(dir.path(), args);
        // The loser waits at most a few seconds for the winner's answer; a loaded machine may
        // start both slowly.
        auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (a->Running() && b->Running() && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ASSERT_NE(a->Running(), b->Running()) << "round " << round << "\n"
                                              << a->Output() << "\n"
                                              << b->Output();
        Module& ended = a->Running() ? *b : *a;
        Module& kept = a->Running() ? *a : *b;
        EXPECT_EQ(ended.ExitCode(), 0) << "round " << round;
        EXPECT_FALSE(kept.Ended(1000)) << "round " << round;
        EXPECT_TRUE(Listening("KSW-524P : 127.0.0.21")) << "round " << round;
    }
}

TEST(SingleInstance, ALongTmpdirDoesNotHideTheRunningInstance) {
    QTemporaryDir dir;
    // A TMPDIR of about 200 characters, too long for a socket path below it.
    QString tmp = dir.path() + QStringLiteral("/") + QString(200 - dir.path().size() - 1, u'd');
    ASSERT_TRUE(QDir().mkpath(tmp));
    const QStringList args = {QStringLiteral("/I127.0.0.22"), QStringLiteral("/v1")};
    Module first(dir.path(), args, tmp);
    ASSERT_TRUE(Listening("KSW-524P : 127.0.0.22"));
    Module second(dir.path(), args, tmp);
    ASSERT_TRUE(second.Ended(10000));
    EXPECT_EQ(second.ExitCode(), 0);
    EXPECT_TRUE(first.Running());
}

TEST(SingleInstance, HelpPrintsTheSwitches) {
    QProcess help;
    help.start(QStringLiteral(KSW524P_PATH), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(10000));
    EXPECT_EQ(help.exitCode(), 0);
    const QByteArray text = help.readAllStandardOutput();
    // Every switch of the module's command line, with the values its number codes stand for.
    for (const char* part : {"/I<host>",
                             "/v<version>",
                             "0 SNMPv1, 1 SNMPv2c, 3 SNMPv3",
                             "/R<community>",
                             "/W<community>",
                             "/b0",
                             "/t<port>",
                             "/m<model>",
                             "3 USM",
                             "/n<name>",
                             "/l<level>",
                             "1 noAuthNoPriv, 2 authNoPriv, 3 authPriv",
                             "/a<protocol>",
                             "2 HMAC-MD5, 3 HMAC-SHA, 4 HMAC-SHA-224",
                             "7 HMAC-SHA-512",
                             "/A<pass phrase>",
                             "/p<protocol>",
                             "2 CBC-DES, 4 CFB-AES-128",
                             "21 CFB-AES-256",
                             "9 CBC-IDEA",
                             "/P<pass phrase>",
                             "/c<context name>",
                             "/d<engine ID>",
                             "--print",
                             "--open",
                             "--catalogue",
                             "--check"}) {
        EXPECT_TRUE(text.contains(part)) << part;
    }
}

} // namespace
