#include "shell/QxDeviceConfig.h"
#include "shell/QxIni.h"
#include "shell/QxSettingsTexts.h"
#include "snmp/QxSNMPGlobal.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class DeviceConfigTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) {
        return dir_.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::string p = Path(name);
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }
    QTemporaryDir dir_;
};

TEST_F(DeviceConfigTest, SectionOnlyGivesTheDefaults) {
    QxSNMPGlobal g;
    g.security.version = 3;
    g.device.port = 1161;
    g.security.securityName = "someone";
    g.security.authPassword = "x";
    QxSettingsTexts texts;
    ASSERT_TRUE(QxDeviceConfig::Read(Write("a.cfg", "[Program Information]\r\n"), g, texts));
    EXPECT_EQ(g.security.version, 0);
    EXPECT_EQ(g.device.port, 161);
    EXPECT_EQ(g.security.securityModel, 1);
    EXPECT_EQ(g.security.securityLevel, 1);
    EXPECT_EQ(g.security.authProtocol, 1);
    EXPECT_EQ(g.security.privProtocol, 1);
    EXPECT_EQ(g.security.securityName, "");
    EXPECT_EQ(g.security.authPassword, "");
    EXPECT_EQ(texts.version, "0");
    EXPECT_EQ(texts.port, "161");
    EXPECT_EQ(texts.privProtocol, "1");
}

TEST_F(DeviceConfigTest, ConversionsOfTheStoredPositions) {
    struct Case {
        const char* lines;
        int auth, priv, level, port, version;
    } cases[] = {
        {"PrivProtocol=2", 1, 9, 1, 161, 0},
        {"PrivProtocol=1", 1, 2, 1, 161, 0},
        {"AuthProtocol=-1", 0, 1, 1, 161, 0},
        {"AuthProtocol=2\r\nSecurityLevel=2", 3, 1, 3, 161, 0},
        {"AgentPort=abc\r\nVersion=3", 1, 1, 1, 161, 3},
        {"AgentPort=  1161  \r\nVersion=", 1, 1, 1, 1161, 0},
        {"agentport=70000", 1, 1, 1, 70000 % 65536, 0},
        // A position whose code would not fit in 32 bits counts as malformed.
        {"PrivProtocol=2147483647", 1, 1, 1, 161, 0},
        {"AuthProtocol=2147483647\r\nSecurityLevel=2147483647", 1, 1, 1, 161, 0},
        {"PrivProtocol=2147483646", 1, 2147483647, 1, 161, 0},
        {"AuthProtocol=-2147483648", -2147483647, 1, 1, 161, 0},
    };
    for (const Case& c : cases) {
        QxSNMPGlobal g;
        QxSettingsTexts texts;
        QxDeviceConfig::Read(Write("c.cfg", std::string("[Program Information]\r\n") + c.lines), g,
                             texts);
        EXPECT_EQ(g.security.authProtocol, c.auth) << c.lines;
        EXPECT_EQ(g.security.privProtocol, c.priv) << c.lines;
        EXPECT_EQ(g.security.securityLevel, c.level) << c.lines;
        EXPECT_EQ(g.device.port, c.port) << c.lines;
        EXPECT_EQ(g.security.version, c.version) << c.lines;
    }
}

TEST_F(DeviceConfigTest, MissingOrUnexaminablePathChangesNothing) {
    // A folder that is its own symbolic link, a name longer than a file name may be, a folder
    // its owner may not enter, a file its owner may not read: each means no file.
    std::filesystem::create_symlink(Path("loop"), Path("loop"));
    std::string locked = Path("locked");
    std::filesystem::create_directory(locked);
    Write("locked/127.0.0.1.cfg", "[Program Information]\r\nVersion=1\r\n");
    std::string unreadable = Write("unreadable.cfg", "[Program Information]\r\nVersion=1\r\n");
    ::chmod(unreadable.c_str(), 0);
    ::chmod(locked.c_str(), 0);
    struct {
        std::string path;
        bool needsNonRoot; // root may enter any folder
    } cases[] = {
        {Path("none.cfg"), false},
        {Path("loop/127.0.0.1.cfg"), false},
        {Path(std::string(300, 'x') + ".cfg"), false},
        {locked + "/127.0.0.1.cfg", true},
        {unreadable, true},
    };
    for (const auto& c : cases) {
        if (c.needsNonRoot && ::geteuid() == 0) {
            continue;
        }
        QxSNMPGlobal g;
        g.security.version = 3;
        QxSettingsTexts texts;
        bool read = true;
        EXPECT_NO_THROW(read = QxDeviceConfig::Read(c.path, g, texts)) << c.path;
        EXPECT_FALSE(read) << c.path;
        EXPECT_EQ(g.security.version, 3) << c.path;
        EXPECT_EQ(texts.version, "") << c.path;
    }
    ::chmod(locked.c_str(), 0700);
}

QxDeviceConfig::Values SampleValues() {
    QxDeviceConfig::Values v;
    v.agentIp = "127.0.0.1";
    v.agentPort = "1161";
    v.version = "3";
    v.securityName = "SHA_DES_User";
    v.authPassword = " shadespass1 ";
    v.privPassword = "shadespriv1";
    v.authProtocol = 2;
    v.privProtocol = 1;
    v.contextEngineId = "";
    v.securityLevel = 2;
    v.contextName = "ctx";
    v.getCommunity = "ctx";
    v.setCommunity = "";
    v.updateDate = "12/10/26";
    v.updateTime = "10:30:00";
    return v;
}

TEST_F(DeviceConfigTest, WriterByteFormat) {
    QxDeviceConfig::Values v = SampleValues();
    v.version = "1";
    v.securityName = "";
    std::string bytes = QxDeviceConfig::Format(v);
    const std::string nul(1, '\0');
    EXPECT_EQ(bytes.rfind("[Program Information]" + nul + "\r\nAgentIP=127.0.0.1" + nul, 0), 0u);
    EXPECT_NE(bytes.find("\r\nSecurityName=\r\nAuthPassword="), std::string::npos);
    EXPECT_NE(bytes.find("\r\nPrivProtocol=1" + nul + "\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 17), "\r\nSecurityModel=3");
}

TEST_F(DeviceConfigTest, WriterReaderRoundTripAndOwnerOnlyFile) {
    std::string path = Path("127.0.0.1.cfg");
    ASSERT_TRUE(QxDeviceConfig::Write(path, SampleValues()));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    QxSNMPGlobal g;
    QxSettingsTexts texts;
    ASSERT_TRUE(QxDeviceConfig::Read(path, g, texts));
    EXPECT_EQ(g.security.version, 3);
    EXPECT_EQ(g.device.port, 1161);
    EXPECT_EQ(g.security.securityName, "SHA_DES_User");
    EXPECT_EQ(g.security.authPassword, "shadespass1"); // read trimmed
    EXPECT_EQ(g.security.privPassword, "shadespriv1");
    EXPECT_EQ(g.security.authProtocol, 3);
    EXPECT_EQ(g.security.privProtocol, 2);
    EXPECT_EQ(g.security.securityLevel, 3);
    EXPECT_EQ(g.security.securityModel, 3);
    EXPECT_EQ(g.scope.contextName, "ctx");
    EXPECT_EQ(texts.securityLevel, "3");
    EXPECT_EQ(QxIni(path).ReadString("program information", "GETCOMMSTR", "d"), "ctx");
    EXPECT_EQ(QxIni(path).ReadString("Program Information", "SetCommStr", "d"), "d");
    EXPECT_EQ(QxIni(path).ReadString("Other", "Version", "d"), "d");
}

// Every position of the two protocol lists is written and read back as its protocol code,
// and the dialog finds the position of that code again. Positions 0 to 2 are those of older
// files and read as they always did.
TEST_F(DeviceConfigTest, EveryProtocolPositionRoundTrips) {
    struct Case {
        const char* name;
        int position;
        int code;
    };
    const Case auth[] = {
        {"None", 0, 1},         {"HMAC-MD5", 1, 2},     {"HMAC-SHA", 2, 3},
        {"HMAC-SHA-224", 3, 4}, {"HMAC-SHA-256", 4, 5}, {"HMAC-SHA-384", 5, 6},
        {"HMAC-SHA-512", 6, 7},
    };
    const Case priv[] = {
        {"None", 0, 1},        {"CBC-DES", 1, 2},      {"CBC-IDEA", 2, 9},
        {"CFB-AES-128", 3, 4}, {"CFB-AES-192", 4, 20}, {"CFB-AES-256", 5, 21},
    };
    const std::string path = Path("10.0.0.9.cfg");
    for (const Case& c : auth) {
        SCOPED_TRACE(c.name);
        QxDeviceConfig::Values v = SampleValues();
        v.authProtocol = c.position;
        ASSERT_TRUE(QxDeviceConfig::Write(path, v));
        QxSNMPGlobal g;
        QxSettingsTexts texts;
        ASSERT_TRUE(QxDeviceConfig::Read(path, g, texts));
        EXPECT_EQ(g.security.authProtocol, c.code);
        EXPECT_EQ(texts.authProtocol, std::to_string(c.code));
        EXPECT_EQ(QxDeviceConfig::AuthPosition(c.code), c.position);
    }
    for (const Case& c : priv) {
        SCOPED_TRACE(c.name);
        QxDeviceConfig::Values v = SampleValues();
        v.privProtocol = c.position;
        ASSERT_TRUE(QxDeviceConfig::Write(path, v));
        QxSNMPGlobal g;
        QxSettingsTexts texts;
        ASSERT_TRUE(QxDeviceConfig::Read(path, g, texts));
        EXPECT_EQ(g.security.privProtocol, c.code);
        EXPECT_EQ(texts.privProtocol, std::to_string(c.code));
        EXPECT_EQ(QxDeviceConfig::PrivPosition(c.code), c.position);
    }
    // Codes in neither list have no position: the dialog shows no choice for them.
    for (int code : {0, 8, -1, 99}) {
        EXPECT_EQ(QxDeviceConfig::AuthPosition(code), -1) << code;
    }
    for (int code : {0, 3, 5, 6, 19, 22}) {
        EXPECT_EQ(QxDeviceConfig::PrivPosition(code), -1) << code;
    }
}

// The file is read once per reader, however many keys are asked: a change after the first key
// does not reach the later ones.
TEST_F(DeviceConfigTest, ReaderReadsTheFileOnce) {
    std::string path = Write("once.cfg", "[Program Information]\r\nVersion=3\r\nAgentPort=1161\r\n"
                                         "[Other]\r\nVersion=9\r\n"
                                         "[program information]\r\nVersion=1\r\nContextName=c\r\n");
    QxIni ini(path);
    EXPECT_EQ(ini.ReadString("Program Information", "Version", "d"), "3"); // the first line counts
    Write("once.cfg", "[Program Information]\r\nAgentPort=7\r\n");
    EXPECT_EQ(ini.ReadString("Program Information", "AgentPort", "d"), "1161");
    EXPECT_EQ(ini.ReadString("Program Information", "ContextName", "d"), "c"); // a repeated section
    EXPECT_EQ(ini.ReadString("Other", "version", "d"), "9");
    EXPECT_EQ(QxIni(path).ReadString("Program Information", "AgentPort", "d"), "7");
}

TEST_F(DeviceConfigTest, FailedWriteKeepsTheOldFile) {
    std::string path = Path("keep.cfg");
    ASSERT_TRUE(QxDeviceConfig::Write(path, SampleValues()));
    std::string before = QxDeviceConfig::Format(SampleValues());
    // A folder that cannot take the temporary file makes the write fail as a whole.
    std::string sub = Path("ro");
    std::filesystem::create_directory(sub);
    std::string inside = sub + "/keep.cfg";
    ASSERT_TRUE(QxDeviceConfig::Write(inside, SampleValues()));
    ::chmod(sub.c_str(), 0500);
    QxDeviceConfig::Values changed = SampleValues();
    changed.version = "0";
    bool wrote = QxDeviceConfig::Write(inside, changed);
    ::chmod(sub.c_str(), 0700);
    if (::geteuid() != 0) {
        EXPECT_FALSE(wrote);
    }
    std::ifstream in(inside, std::ios::binary);
    std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(after, wrote ? QxDeviceConfig::Format(changed) : before);
    EXPECT_FALSE(QxDeviceConfig::Write(Path("no/such/folder/x.cfg"), SampleValues()));
}

// GetBulk is an optional key: older files without it walk with GETBULK, only 0 turns it off,
// and a rewrite by the settings dialog (which does not know it) keeps the key the file has.
TEST_F(DeviceConfigTest, GetBulkKeyIsOptionalAndSurvivesARewrite) {
    struct Case {
        const char* line;
        bool bulk;
    } cases[] = {{"", true},
                 {"GetBulk=0", false},
                 {"GetBulk=1", true},
                 {"GetBulk=no", true},
                 {"getbulk=0", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        QxSNMPGlobal g;
        g.getBulk = !c.bulk;
        QxSettingsTexts texts;
        ASSERT_TRUE(QxDeviceConfig::Read(
            Write("b.cfg", std::string("[Program Information]\r\nVersion=1\r\n") + c.line), g,
            texts));
        EXPECT_EQ(g.getBulk, c.bulk);
    }

    EXPECT_EQ(QxDeviceConfig::Format(SampleValues()).find("GetBulk"), std::string::npos);
    std::string path = Path("rewrite.cfg");
    QxDeviceConfig::Values off = SampleValues();
    off.getBulk = "0";
    ASSERT_TRUE(QxDeviceConfig::Write(path, off));
    EXPECT_EQ(QxIni(path).ReadString("Program Information", "GetBulk", "absent"), "0");
    QxDeviceConfig::Values dialog = SampleValues(); // knows nothing of the key
    dialog.version = "1";
    ASSERT_TRUE(QxDeviceConfig::Write(path, dialog));
    EXPECT_EQ(QxIni(path).ReadString("Program Information", "GetBulk", "absent"), "0");
    EXPECT_EQ(QxIni(path).ReadString("Program Information", "Version", ""), "1");
    QxSNMPGlobal g;
    QxSettingsTexts texts;
    ASSERT_TRUE(QxDeviceConfig::Read(path, g, texts));
    EXPECT_FALSE(g.getBulk);
    // A file without the key stays without it.
    std::string plain = Path("plain.cfg");
    ASSERT_TRUE(QxDeviceConfig::Write(plain, SampleValues()));
    ASSERT_TRUE(QxDeviceConfig::Write(plain, dialog));
    EXPECT_EQ(QxIni(plain).ReadString("Program Information", "GetBulk", "absent"), "absent");
}

TEST_F(DeviceConfigTest, SuiteModeAndLocation) {
    struct {
        const char* folder;
        bool suite;
    } cases[] = {
        {"/opt/velsyn_ems/bin/", true},
        {"/opt/velsyn_ems/", false},
        {"/opt/Velsyn_EMS/bin/", false},
        {"/opt/velsyn_ems/bin", true},
        {"/", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QxDeviceConfig::IsSuiteMode(c.folder), c.suite) << c.folder;
    }
    EXPECT_EQ(QxDeviceConfig::Locate(true, "/opt/velsyn_ems/bin/", "10.0.0.7"),
              "/opt/velsyn_ems/bin/10.0.0.7.cfg");

    // Stand-alone: the suite's installation folder from the system settings, when recorded.
    // Without the settings file, or with one that lacks the key, nothing is read.
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir_.path());
    EXPECT_EQ(QxDeviceConfig::Locate(false, "/x/", "10.0.0.7"), std::nullopt);
    {
        QSettings s(QSettings::SystemScope, QStringLiteral("Velsyn"), QStringLiteral("Orvix5.1"));
        s.setValue(QStringLiteral("ExePath/Version"), QStringLiteral("5.1"));
    }
    EXPECT_EQ(QxDeviceConfig::Locate(false, "/x/", "10.0.0.7"), std::nullopt);
    {
        QSettings s(QSettings::SystemScope, QStringLiteral("Velsyn"), QStringLiteral("Orvix5.1"));
        s.setValue(QStringLiteral("ExePath/Path"), QStringLiteral("/suite/bin/"));
    }
    EXPECT_EQ(QxDeviceConfig::Locate(false, "/x/", "10.0.0.7"),
              "/suite/bin/../Conf/MBF/10.0.0.7.cfg");
}

} // namespace
