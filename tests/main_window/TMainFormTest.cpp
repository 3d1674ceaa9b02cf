#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Leds.h"
#include "main_window/TFrontPanel.h"
#include "main_window/THelpForm.h"
#include "main_window/TInstanceLink.h"
#include "main_window/TMainForm.h"
#include "shell/QxDeviceConfig.h"
#include "shell/QxMessages.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TMenu.h"
#include "ui/toolkit/TStatusBar.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Set in the environment of a test that runs again as a child process (see RunSelf).
constexpr const char* ChildMarker = "KSW_MAIN_FORM_TEST_CHILD";

// Runs one test of this executable again as a child process, with arguments given as raw bytes
// (a child's arguments through Qt would be re-encoded as UTF-8). Returns the child's exit
// status, or -1 when it did not end normally within the time limit; its output goes to `log`.
int RunSelf(const std::string& test, const std::vector<std::string>& args, const std::string& log) {
    const std::string self = Application().ExeName();
    std::vector<std::string> argStrings = {self, "--gtest_filter=" + test};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStrings) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    std::string marker = std::string(ChildMarker) + "=1";
    std::vector<char*> envp;
    for (char** e = environ; *e != nullptr; ++e) {
        envp.push_back(*e);
    }
    envp.push_back(marker.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return -1;
    }
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class MainFormTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        SnmpGlobal().ResetParameters();
        QxMessages::Reset();
        Application().ResetTerminated();
    }
    void TearDown() override {
        Application().ResetTerminated();
        QxMessages::Reset();
        UiTest::TearDown();
    }
    // A program folder below the temporary folder; "velsyn_ems/bin/" puts it in suite mode.
    std::string Folder(const std::string& relative) {
        QDir().mkpath(dir_.filePath(QString::fromStdString(relative)));
        return dir_.filePath(QString::fromStdString(relative)).toStdString() + "/";
    }
    std::unique_ptr<TMainForm> Create(std::vector<std::string> args,
                                      const std::string& folder = {}) {
        return std::make_unique<TMainForm>(
            std::move(args), folder.empty() ? Folder("standalone") : folder, nullptr, false);
    }
    // The main window of a suite installation whose per-device file points at `device`, with
    // its front panel polling; none when the file cannot be written.
    std::unique_ptr<TMainForm> WithDevice(const TestAgent& device) {
        return WithDevice(device.Port());
    }
    std::unique_ptr<TMainForm> WithDevice(int port) {
        std::string suite = Folder("velsyn_ems/bin");
        QxDeviceConfig::Values file;
        file.agentIp = "127.0.0.1";
        file.agentPort = std::to_string(port);
        file.version = "1";
        if (!QxDeviceConfig::Write(suite + "127.0.0.1.cfg", file)) {
            return nullptr;
        }
        return std::make_unique<TMainForm>(
            std::vector<std::string>{"/I127.0.0.1", "/v1", "/Rreadcm", "/Wwritecm"}, suite,
            nullptr, true);
    }
    static std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (const auto& entry : MessageScript::Log()) {
            texts.push_back(entry.text);
        }
        return texts;
    }
    QTemporaryDir dir_;
};

TEST_F(MainFormTest, CaptionAndSnmpV3Menus) {
    struct {
        std::vector<std::string> args;
        bool v3;
    } cases[] = {
        {{"/I127.0.0.1", "/v3", "/nSHA_User"}, true},
        {{"/Ilocalhost", "/v1", "/Rreadcm"}, false},
        {{"/I127.0.0.1"}, false},
    };
    for (const auto& c : cases) {
        auto form = Create(c.args);
        EXPECT_EQ(form->Caption(), "KSW-524P : 127.0.0.1");
        for (const char* name :
             {"Engine", "MPD", "TARGET", "USM", "VACM", "Notification1", "CommunityMIB"}) {
            ASSERT_NE(form->MenuItem(name), nullptr) << name;
            EXPECT_EQ(form->MenuItem(name)->Enabled(), c.v3) << name;
        }
        EXPECT_FALSE(Application().Terminated());
        EXPECT_TRUE(MessageScript::Log().empty());
        EXPECT_EQ(SnmpGlobal().timeout, 200);
    }
    for (const char* name : {"Statistics1", "History1", "AlarmEvent1", "SNMPConfigure1"}) {
        EXPECT_NE(Create({"/I127.0.0.1"})->MenuItem(name), nullptr) << name;
    }
}

TEST_F(MainFormTest, SuiteModeShowsTheSettingsEntryAndReadsTheFileBesideTheProgram) {
    std::string suite = Folder("velsyn_ems/bin");
    QxDeviceConfig::Values file;
    file.agentIp = "127.0.0.1";
    file.agentPort = "1161";
    file.version = "3";
    file.securityName = "MD5_User";
    file.authProtocol = 1;
    file.securityLevel = 1;
    ASSERT_TRUE(QxDeviceConfig::Write(suite + "127.0.0.1.cfg", file));

    auto form = Create({"/I127.0.0.1", "/v1", "/Rpub"}, suite);
    EXPECT_TRUE(form->SuiteMode());
    EXPECT_TRUE(form->MenuItem("SNMPConfigure1")->Visible());
    // The file's keys win over the command line; the communities come from the command line.
    EXPECT_EQ(SnmpGlobal().security.version, 3);
    EXPECT_EQ(SnmpGlobal().device.port, 1161);
    EXPECT_EQ(SnmpGlobal().security.securityName, "MD5_User");
    EXPECT_EQ(SnmpGlobal().security.authProtocol, 2);
    EXPECT_EQ(SnmpGlobal().security.readCommunity, "pub");
    EXPECT_TRUE(form->MenuItem("Engine")->Enabled());
    EXPECT_EQ(form->SettingsTexts().version, "3");
    EXPECT_EQ(form->SettingsTexts().port, "1161");
    EXPECT_EQ(form->SettingsTexts().readCommunity, "pub");

    auto other = Create({"/I127.0.0.1"}, Folder("Velsyn_EMS/bin"));
    EXPECT_FALSE(other->SuiteMode());
    EXPECT_FALSE(other->MenuItem("SNMPConfigure1")->Visible());
}

// Against a device the window shows its live front panel from start-up, reads the RMON state
// into the RMON menus, and stops its LED polls when it goes.
TEST_F(MainFormTest, FrontPanelPollsTheDeviceFromStartUp) {
    TestAgent device(TestAgent::Kind::Simulator);
    auto form = WithDevice(device);
    ASSERT_NE(form, nullptr);
    ASSERT_NE(form->FrontPanel(), nullptr);
    // The first reads do not hold the window: their answers come while it runs.
    ASSERT_TRUE(WaitUntil([&] {
        return !form->FrontPanel()->SetUpPending() && !form->FrontPanel()->RmonStatePending();
    }));
    EXPECT_EQ(form->FrontPanel()->StatusModeText(), "portStatusMode");
    EXPECT_EQ(form->FrontPanel()->RmonStateText(), "enabled");
    EXPECT_TRUE(form->MenuItem("Statistics1")->Enabled());
    EXPECT_TRUE(WaitUntil([&] {
        return form->StatusBar1()->Panel(0)->Text().rfind("Get: Ok! Request: Led Status.", 0) == 0;
    }));
    auto start = std::chrono::steady_clock::now();
    form.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(7));
}

// A device that does not answer holds the first reads (display mode, RMON state) for their
// whole time-out. The window shows at once saying what it waits for, and handles what comes
// meanwhile, the user's keys included; the front panel follows when the reads have ended.
TEST_F(MainFormTest, ASilentDeviceDoesNotHoldTheWindowAtStartUp) {
    auto form = WithDevice(FreeUdpPort());
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->StatusBar1()->Panel(0)->Text(), "Connecting to 127.0.0.1...");
    ASSERT_TRUE(form->FrontPanel()->SetUpPending());
    ASSERT_TRUE(form->FrontPanel()->RmonStatePending());
    ASSERT_NE(form->FrontPanel()->LedStatusBinding(), nullptr);
    EXPECT_FALSE(form->FrontPanel()->LedStatusBinding()->Polling());

    // While the reads wait, queued calls run and the user's keys are handled: F1 opens the guide.
    bool ran = false;
    PostCall(form.get(), [&] { ran = true; });
    ASSERT_TRUE(WaitUntil([&] { return ran; }, 2000));
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_NE(THelpForm::Current(), nullptr);
    EXPECT_TRUE(form->FrontPanel()->SetUpPending()) << "the read ended before the checks";
    if (THelpForm::Current() != nullptr) {
        THelpForm::Current()->close();
    }

    // The time-out ends the reads: port-status mode (the device's default), polls started, the
    // RMON entries as they were, the error where the poll reports.
    ASSERT_TRUE(WaitUntil([&] { return !form->FrontPanel()->SetUpPending(); }, 10000));
    EXPECT_EQ(form->FrontPanel()->StatusModeText(), "1");
    ASSERT_NE(form->FrontPanel()->LedStatusBinding(), nullptr);
    EXPECT_TRUE(form->FrontPanel()->LedStatusBinding()->Polling());
    ASSERT_TRUE(WaitUntil([&] { return !form->FrontPanel()->RmonStatePending(); }, 10000));
    EXPECT_TRUE(form->MenuItem("Statistics1")->Enabled());
    EXPECT_TRUE(MessageScript::Log().empty()) << "no box for reads the user did not ask for";
}

// Closing the window while the first reads wait gives them up instead of waiting for their
// time-out.
TEST_F(MainFormTest, ClosingWhileTheFirstReadsWaitDoesNotWaitForThem) {
    auto form = WithDevice(FreeUdpPort());
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->FrontPanel()->SetUpPending());
    MessageScript::Push(mrYes);
    form->Close();
    EXPECT_TRUE(form->Exiting());
    auto start = std::chrono::steady_clock::now();
    form.reset();
    // The two attempts of the reads' two-second time-out are not waited for.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3000));
    WaitUntil([] { return false; }, 300); // an answer or queued call after the window: nothing
}

TEST_F(MainFormTest, EarlyEnds) {
    // An unknown host is named, and the program ends with a failure status.
    struct {
        std::vector<std::string> args;
        const char* box;
        const char* caption;
        int exitCode;
    } cases[] = {
        {{}, "No parameter input", "KSW-524P : 127.0.0.1", 0},
        {{"/v1", "/Ino.such.host.invalid", "/Rx"},
         "Error Host Name! \"no.such.host.invalid\" is not a known host name or IPv4 address.",
         "KSW-524P",
         1},
    };
    for (const auto& c : cases) {
        MessageScript::Clear();
        Application().ResetTerminated();
        MessageScript::Push(mrOk);
        auto form = Create(c.args);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.box});
        EXPECT_TRUE(Application().Terminated()) << c.box;
        EXPECT_EQ(Application().ExitCode(), c.exitCode) << c.box;
        EXPECT_EQ(form->Caption(), c.caption) << c.box;
    }
    Application().ResetTerminated();
    EXPECT_EQ(SnmpGlobal().security.readCommunity, "readcm");
}

TEST_F(MainFormTest, AnErrorDuringCreationIsShownAndTheWindowStays) {
    MessageScript::Push(mrOk);
    auto form = Create({"/I127.0.0.1", "/vthree"});
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"'three' is not a valid integer value!"});
    EXPECT_FALSE(Application().Terminated());
    EXPECT_EQ(form->Caption(), "KSW-524P");
}

TEST_F(MainFormTest, MessageFilesBesideTheProgramReplaceTheTexts) {
    std::string folder = Folder("withtexts");
    QDir().mkpath(QString::fromStdString(folder + "errMSg"));
    std::ofstream(folder + "errMSg/snmpclass.err") << "a\nb\nc\nd\nNo answer from the switch!\n";
    auto form = Create({"/I127.0.0.1"}, folder);
    EXPECT_EQ(QxMessages::MapStatus(-5).text, "No answer from the switch!");
    EXPECT_EQ(QxMessages::MapStatus(2).text, "Variable does not exist!");
}

TEST_F(MainFormTest, CommandLineBytesReachTheRecordUnchanged) {
    // Communities and pass phrases in an 8-bit encoding other than UTF-8 (here Latin-1) must
    // reach the device byte for byte.
    const std::vector<std::string> given = {"/I127.0.0.1", "/Rcomm\xE9", "/W\xE9t\xE9",
                                            "/v3",         "/nus\xE9r",  "/Ppriv\xA7\xFF"};
    if (std::getenv(ChildMarker) == nullptr) {
        std::string log = dir_.filePath(QStringLiteral("child.log")).toStdString();
        int status = RunSelf("MainFormTest.CommandLineBytesReachTheRecordUnchanged", given, log);
        std::ifstream in(log);
        EXPECT_EQ(status, 0) << std::string(std::istreambuf_iterator<char>(in), {});
        return;
    }
    // In the child: the test entry appends arguments of its own after the given ones.
    const std::vector<std::string>& args = Application().Arguments();
    ASSERT_GE(args.size(), given.size());
    const std::vector<std::string> received(args.begin(), args.begin() + given.size());
    EXPECT_EQ(received, given);
    auto form = Create(received);
    EXPECT_EQ(SnmpGlobal().security.readCommunity, "comm\xE9");
    EXPECT_EQ(SnmpGlobal().security.writeCommunity, "\xE9t\xE9");
    EXPECT_EQ(SnmpGlobal().security.securityName, "us\xE9r");
    EXPECT_EQ(SnmpGlobal().security.privPassword, "priv\xA7\xFF");
    EXPECT_EQ(form->SettingsTexts().readCommunity, "comm\xE9");
}

TEST_F(MainFormTest, ClosingAsksFirst) {
    auto form = Create({"/I127.0.0.1"});
    form->show();
    MessageScript::Push(mrNo);
    form->Close();
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "Are you sure to exit?");
    EXPECT_EQ(MessageScript::Log()[0].caption, "Exit");
    EXPECT_EQ(MessageScript::Log()[0].buttons, mbYesNo);
    MessageScript::Push(mrYes);
    form->Close();
    EXPECT_FALSE(form->isVisible());
}

// Yes to the exit question: the title is free at once for another start of the module for this
// device, no poll goes out any more, and the window goes within the bounds
// of the poll still on its way to a device that has stopped answering.
TEST_F(MainFormTest, ExitReleasesTheTitleAndStopsPollingAtOnce) {
    TestAgent device(TestAgent::Kind::Simulator);
    auto form = WithDevice(device);
    ASSERT_NE(form, nullptr);
    form->show();
    const std::string title = std::string(TMainForm::ModelCaption) + " : 127.0.0.1";
    ASSERT_TRUE(WaitUntil([&] { return TInstanceLink::Held(title, 200); }));
    ASSERT_TRUE(WaitUntil([&] {
        return form->StatusBar1()->Panel(0)->Text().rfind("Get: Ok! Request: Led Status.", 0) == 0;
    }));
    device.Stop();
    MessageScript::Push(mrYes);
    form->Close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->Exiting());
    EXPECT_FALSE(TInstanceLink::Held(title, 200)) << "a second start would find the title taken";
    EXPECT_FALSE(form->FrontPanel()->LedStatusBinding()->Polling());
    auto start = std::chrono::steady_clock::now();
    form.reset();
    // Two attempts of the poll's two-second time-out, and a margin.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(5500));
}

} // namespace
