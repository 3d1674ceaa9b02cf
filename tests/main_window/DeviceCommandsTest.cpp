// The main window's actions that open no page: device commands against the simulator, the
// external viewers' command lines and start, and the help file.
#include "AgentTarget.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "main_window/DeviceCommands.h"
#include "main_window/THelpForm.h"
#include "shell/QxSettingsTexts.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TStatusBar.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string SaveOid = ".1.3.6.1.4.1.32473.12.1.2.6.0";
const std::string SaveStateOid = ".1.3.6.1.4.1.32473.12.1.1.4.0";
const std::string RebootOid = ".1.3.6.1.4.1.32473.12.1.2.19.0";
const std::string InSetRequestsOid = ".1.3.6.1.2.1.11.17.0"; // snmpInSetRequests

// A window with a one-panel status bar, the place the commands report to.
class StatusBarTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        form_ = std::make_unique<TForm>(nullptr);
        bar_ = new TStatusBar(form_.get());
        bar_->AddPanel(200);
        bar_->AddPanel(200);
    }
    void TearDown() override {
        form_.reset();
        UiTest::TearDown();
    }
    std::string Panel0() const { return bar_->Panel(0)->Text(); }
    // A command's outcome comes with the device's answer, while the window runs.
    bool Answered() {
        return WaitUntil([&] { return !DeviceCommandPending(bar_); }, 10000);
    }
    std::string Outcome() const { return bar_->Panel(OutcomePanel)->Text(); }

    std::unique_ptr<TForm> form_;
    TStatusBar* bar_ = nullptr;
};

// Device commands against one simulator for the whole suite, over SNMPv2c with the module's
// default communities.
class DeviceCommandTest : public StatusBarTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator);
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    void SetUp() override {
        StatusBarTest::SetUp();
        PointAt(sim_->Port());
    }
    void TearDown() override {
        SnmpGlobal().ResetParameters();
        StatusBarTest::TearDown();
    }
    static void PointAt(int port, std::int32_t timeout = 100) {
        QxSNMPGlobal& g = SnmpGlobal();
        g.ResetParameters();
        g.device.address = "127.0.0.1";
        g.device.port = static_cast<std::uint16_t>(port);
        g.security.version = 1;
        g.timeout = timeout;
    }
    // The simulator's values, read with net-snmp's own tool.
    static std::map<std::string, std::string> Read(const TestAgent& agent) {
        const ProgramResult result = SnmpTool(agent, {"-v2c", "-c", "public"})
                                         .Get({SaveOid, SaveStateOid, RebootOid, InSetRequestsOid});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return SnmpTool::Values(result.out);
    }
    static long SetRequests(const TestAgent& agent) {
        return std::strtol(Read(agent)[InSetRequestsOid].c_str(), nullptr, 10);
    }

    static TestAgent* sim_;
};

TestAgent* DeviceCommandTest::sim_ = nullptr;

TEST_F(DeviceCommandTest, AskTheirQuestionAndSendOnlyWhenNotAnsweredNo) {
    struct Case {
        DeviceCommand command;
        TModalResult answer;
        const char* question;
        const char* caption;
        long sets;
    };
    // Every No first: the simulator keeps what the Yes wrote.
    const Case cases[] = {
        {DeviceCommand::Save, mrNo, "Save Configurations into NV-RAM ?", "Save Configure", 0},
        {DeviceCommand::Reboot, mrNo, "Are you sure to reboot the device?", "Reboot", 0},
        {DeviceCommand::Save, mrYes, "Save Configurations into NV-RAM ?", "Save Configure", 1},
    };
    ASSERT_EQ(Read(*sim_)[SaveOid], "1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption + std::string(c.answer == mrYes ? " Yes" : " No"));
        const long before = SetRequests(*sim_);
        MessageScript::Clear();
        MessageScript::Push(c.answer);
        RunDeviceCommand(c.command, bar_);
        ASSERT_TRUE(Answered());
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        const MessageScript::Entry& box = MessageScript::Log()[0];
        EXPECT_EQ(box.text, c.question);
        EXPECT_EQ(box.caption, c.caption);
        EXPECT_EQ(box.buttons, mbYesNo);
        EXPECT_EQ(SetRequests(*sim_) - before, c.sets);
        EXPECT_EQ(Panel0(), "");
        // The save that was sent says so where the LED poll does not write.
        EXPECT_EQ(Outcome(), c.sets == 1 ? "Configuration saved." : "");
    }
    // The Yes wrote the save command, and the device reports the save as done.
    std::map<std::string, std::string> values = Read(*sim_);
    EXPECT_EQ(values[SaveOid], "3");
    EXPECT_EQ(values[SaveStateOid], "3");
    EXPECT_EQ(values[RebootOid], "2");
}

// A failure is shown in a message box with the error, and stays in the outcome panel; panel 0
// is left to the LED poll. A reboot that is not answered is a device restarting.
TEST_F(DeviceCommandTest, FailuresAreShownInABoxButARebootsSilenceIsNot) {
    enum class Device { Silent, ReadOnlyCommunity };
    struct Case {
        DeviceCommand command;
        Device device;
        const char* name;
        const char* box;     // the error box's text; none: no box
        const char* outcome; // the outcome panel afterwards
    };
    const Case cases[] = {
        {DeviceCommand::Save, Device::Silent, "save, silent",
         "The configuration was not saved: SNMP request timed out!",
         "The configuration was not saved."},
        {DeviceCommand::Reboot, Device::Silent, "reboot, silent", nullptr,
         "The device is rebooting."},
        {DeviceCommand::Save, Device::ReadOnlyCommunity, "save, refused",
         "The configuration was not saved: Cannot access variable, No Access!",
         "The configuration was not saved."},
        {DeviceCommand::Reboot, Device::ReadOnlyCommunity, "reboot, refused",
         "The reboot command failed: Cannot access variable, No Access!",
         "The device was not rebooted."},
    };
    const int silentPort = FreeUdpPort();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.device == Device::Silent) {
            PointAt(silentPort, 20);
        } else {
            PointAt(sim_->Port());
            SnmpGlobal().security.writeCommunity = "readcm";
        }
        bar_->Panel(0)->SetText("before");
        MessageScript::Clear();
        MessageScript::Push(mrYes);
        MessageScript::Push(mrOk);
        RunDeviceCommand(c.command, bar_);
        ASSERT_TRUE(Answered());
        const std::size_t boxes = c.box != nullptr ? 2u : 1u;
        WaitUntil([&] { return MessageScript::Log().size() >= boxes; }, 2000);
        EXPECT_EQ(Panel0(), "before");
        EXPECT_EQ(Outcome(), c.outcome);
        ASSERT_EQ(MessageScript::Log().size(), boxes);
        if (c.box != nullptr) {
            const MessageScript::Entry& box = MessageScript::Log()[1];
            EXPECT_EQ(box.text, c.box);
            EXPECT_EQ(box.buttons, mbOK);
        }
    }
    MessageScript::Clear();
    // Nothing was written by the refused commands.
    std::map<std::string, std::string> values = Read(*sim_);
    EXPECT_EQ(values[RebootOid], "2");
}

TEST_F(DeviceCommandTest, RebootRestartsTheDeviceAndReportsNothing) {
    TestAgent device(TestAgent::Kind::Simulator, {"--reboot-seconds", "3"});
    PointAt(device.Port());
    MessageScript::Push(mrYes);
    RunDeviceCommand(DeviceCommand::Reboot, bar_);
    ASSERT_TRUE(Answered());
    EXPECT_EQ(Panel0(), "");
    // A device that took the command stops answering while it restarts.
    const ProgramResult result = SnmpTool(device, {"-v2c", "-c", "public"}).Get({RebootOid});
    EXPECT_NE(result.exitCode, 0) << result.out;
    EXPECT_NE(result.err.find("Timeout"), std::string::npos) << result.err;
}

// A save does not hold the window: while a silent device keeps its answer, the outcome panel
// says what the window waits for and events are handled; a second command is not sent beside
// the first. A window closed meanwhile takes the command along: no box opens afterwards, and
// nothing is left that the late time-out could reach.
TEST_F(DeviceCommandTest, SaveLetsTheWindowRunAndGoesWithAWindowClosedMeanwhile) {
    PointAt(FreeUdpPort(), 100);
    MessageScript::Push(mrYes);
    RunDeviceCommand(DeviceCommand::Save, bar_);
    EXPECT_EQ(Outcome(), "Saving the configuration...");
    ASSERT_TRUE(DeviceCommandPending(bar_));
    bool ran = false;
    PostCall(form_.get(), [&] { ran = true; });
    ASSERT_TRUE(WaitUntil([&] { return ran; }, 2000));
    EXPECT_TRUE(DeviceCommandPending(bar_)) << "the time-out came before the check";

    MessageScript::Push(mrOk);
    RunDeviceCommand(DeviceCommand::Reboot, bar_);
    ASSERT_EQ(MessageScript::Log().size(), 2u);
    EXPECT_EQ(MessageScript::Log()[1].text,
              "The device has not answered the last command yet; try again when its outcome is "
              "shown.");
    EXPECT_EQ(Outcome(), "Saving the configuration...");

    form_.reset();
    bar_ = nullptr;
    // Past the exchange's two attempts of one second.
    WaitUntil([] { return false; }, 2500);
    EXPECT_EQ(MessageScript::Log().size(), 2u);
}

QxSettingsTexts Settings(const std::string& version) {
    QxSettingsTexts t;
    t.address = "192.0.2.10";
    t.version = version;
    t.readCommunity = "rc";
    t.writeCommunity = "wc";
    t.port = "1161";
    t.contextName = "ctx";
    t.contextEngineId = "8000000001";
    t.securityModel = "3";
    t.securityName = "MD5_DES_User";
    t.securityLevel = "3";
    t.authProtocol = "2";
    t.privProtocol = "2";
    t.authPassword = "apass";
    t.privPassword = "ppass";
    return t;
}

TEST(Viewer, ProgramIsTheSwitchFromItsThirdCharacterToTheFirstUnderscore) {
    const std::pair<const char*, const char*> cases[] = {
        {"/TEthernetLike_dot3StatsTable", "EthernetLike"},
        {"/TBridge_Forwarding", "Bridge"},
        {"/TVLan_Tp8021QStatic", "VLan"},
        {"/TLayer3_OSPF_Area", "Layer3"},
        {"/TRmon", "Rmon"},
        {"/T_x", ""},
        {"/T", ""},
        {"", ""},
    };
    for (const auto& [tableSwitch, program] : cases) {
        EXPECT_EQ(ViewerProgram(tableSwitch), program) << tableSwitch;
    }
}

TEST(Viewer, CommandLineCarriesTheCredentialsOfItsVersionOnly) {
    struct Case {
        const char* version;
        const char* tableSwitch;
        const char* line;
    };
    const Case cases[] = {
        {"1", "/TEthernetLike_dot3StatsTable",
         "EthernetLike /I192.0.2.10 /Rrc /Wwc /TEthernetLike_dot3StatsTable "},
        {"0", "/TRmon_History", "Rmon /I192.0.2.10 /Rrc /Wwc /TRmon_History "},
        {"3", "/TLayer3_OSPF",
         "Layer3 /I192.0.2.10 /t1161 /v3 /d8000000001 /m3 /nMD5_DES_User /l3 /a2 /p2 /Aapass "
         "/Pppass /cctx /TLayer3_OSPF "},
        // Only the exact text "3" is SNMPv3.
        {" 3", "/TBridge_Forwarding", "Bridge /I192.0.2.10 /Rrc /Wwc /TBridge_Forwarding "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ViewerCommandLine(c.tableSwitch, Settings(c.version)), c.line) << c.version;
    }
}

TEST(Viewer, ArgumentsKeepEmptyAndSpacedSettingsApart) {
    QxSettingsTexts t = Settings("3");
    t.authPassword = "two words";
    t.privPassword.clear();
    const std::vector<std::string> expected = {
        "/I192.0.2.10", "/t1161", "/v3",         "/d8000000001", "/m3",   "/nMD5_DES_User", "/l3",
        "/a2",          "/p2",    "/Atwo words", "/P",           "/cctx", "/TLayer3_PIM",   ""};
    EXPECT_EQ(ViewerArguments("/TLayer3_PIM", t), expected);
}

class ViewerStart : public StatusBarTest {
protected:
    void TearDown() override {
        if (!savedPath_.empty()) {
            setenv("PATH", savedPath_.c_str(), 1);
        }
        StatusBarTest::TearDown();
    }
    // Puts a folder in front of the program search path.
    void PrependToPath(const std::string& folder) {
        savedPath_ = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "/usr/bin:/bin";
        setenv("PATH", (folder + ":" + savedPath_).c_str(), 1);
    }

    std::string savedPath_;
};

// A viewer that writes its arguments, one per line in brackets, next to itself.
void WriteRecorder(const std::string& script) {
    {
        std::ofstream out(script);
        out << "#!/bin/sh\n"
               "here=$(dirname \"$0\")\n"
               "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$here/args.tmp\"\n"
               "mv \"$here/args.tmp\" \"$here/args.txt\"\n";
    }
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
}

TEST_F(ViewerStart, TheProgramIsFoundInTheSearchPathAndGetsEachArgument) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    WriteRecorder(folder + "/Recorder");
    PrependToPath(folder);

    QxSettingsTexts t = Settings("1");
    t.readCommunity = "read me";
    EXPECT_TRUE(StartViewer("/TRecorder_dot3StatsTable", t, bar_));
    EXPECT_EQ(Panel0(), "");
    const std::string recorded = folder + "/args.txt";
    ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(recorded); }, 10000));
    std::ifstream in(recorded);
    const std::string args{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(args, "[/I192.0.2.10]\n[/Rread me]\n[/Wwc]\n[/TRecorder_dot3StatsTable]\n[]\n");
}

TEST_F(ViewerStart, AProgramThatCannotBeStartedIsReported) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A file of that name in the search path that is not executable does not count either.
    const std::string folder = dir.path().toStdString();
    std::ofstream(folder + "/NotRunnable") << "#!/bin/sh\n";
    PrependToPath(folder);

    const std::pair<const char*, const char*> cases[] = {
        {"/TKswNoSuchViewer_Table", "KswNoSuchViewer could not be started"},
        {"/TNotRunnable_Table", "NotRunnable could not be started"},
    };
    for (const auto& [tableSwitch, text] : cases) {
        bar_->Panel(0)->SetText("");
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        EXPECT_FALSE(StartViewer(tableSwitch, Settings("1"), bar_)) << tableSwitch;
        EXPECT_EQ(Panel0(), "");
        EXPECT_EQ(Outcome(), text);
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        EXPECT_EQ(MessageScript::Log()[0].text.rfind(text, 0), 0u) << MessageScript::Log()[0].text;
    }
    MessageScript::Clear();
}

TEST_F(ViewerStart, TheProgramInTheModulesFolderComesBeforeTheSearchPath) {
    QTemporaryDir module;
    QTemporaryDir elsewhere;
    ASSERT_TRUE(module.isValid() && elsewhere.isValid());
    const std::string folder = module.path().toStdString() + "/";
    const std::string other = elsewhere.path().toStdString() + "/";
    WriteRecorder(folder + "Recorder");
    WriteRecorder(other + "Recorder");
    PrependToPath(other);

    EXPECT_TRUE(StartViewer("/TRecorder_dot3StatsTable", Settings("1"), bar_, folder));
    ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(folder + "args.txt"); }, 10000));
    EXPECT_FALSE(std::filesystem::exists(other + "args.txt"));
    EXPECT_EQ(Panel0(), "");
}

TEST(ViewerPath, IsTheProgramBesideTheModuleWhenThatCanRunElseTheBareName) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString() + "/";
    std::ofstream(folder + "Runnable") << "#!/bin/sh\n";
    std::filesystem::permissions(folder + "Runnable", std::filesystem::perms::owner_all);
    std::ofstream(folder + "NotRunnable") << "#!/bin/sh\n";
    std::filesystem::create_directory(folder + "AFolder");
    const std::pair<const char*, std::string> cases[] = {
        {"Runnable", folder + "Runnable"},
        {"NotRunnable", "NotRunnable"},
        {"AFolder", "AFolder"},
        {"Missing", "Missing"},
        {"", ""},
    };
    for (const auto& [program, path] : cases) {
        EXPECT_EQ(ViewerPath(program, folder), path) << program;
    }
}

TEST(ViewerPath, TheBuiltModuleFindsEveryViewerInItsOwnFolder) {
    // The test program lies in the module's build folder, where the viewers are built.
    const std::string folder = QCoreApplication::applicationDirPath().toStdString() + "/";
    for (const char* tableSwitch : {"/TEthernetLike_dot3StatsTable", "/TBridge_Forwarding",
                                    "/TVLan_Tp8021QStatic", "/TRmon_Statistics", "/TLayer3_PIM"}) {
        const std::string program = ViewerProgram(tableSwitch);
        EXPECT_EQ(ViewerPath(program, folder), folder + program) << tableSwitch;
    }
}

using HelpFile = StatusBarTest;

TEST_F(HelpFile, OpensTheGuideAndSaysWhenTheSuitesHelpFileCannotBeShown) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString() + "/";

    OpenHelp(folder, bar_);
    THelpForm* help = THelpForm::Current();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->CurrentUrl(), "qrc:/help/index.html");
    EXPECT_NE(help->PageText().find("KSW-524P management module"), std::string::npos);
    EXPECT_EQ(help->Notice(), "");

    std::ofstream(folder + HelpFileName) << "help\n";
    help->ShowTopic("troubleshooting.html");
    OpenHelp(folder, bar_);
    // One help window for the process, back at the guide's first page.
    EXPECT_EQ(THelpForm::Current(), help);
    EXPECT_EQ(help->CurrentUrl(), "qrc:/help/index.html");
    EXPECT_NE(help->Notice().find("\"KSW-524 r4-5 JUN 08 Rorvix-v9.hlp\""), std::string::npos);
    EXPECT_NE(help->Notice().find("cannot be shown on this platform"), std::string::npos);
    EXPECT_EQ(Panel0(), "");
    help->close();
}

} // namespace
