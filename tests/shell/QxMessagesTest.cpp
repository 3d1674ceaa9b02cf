#include "shell/QxError.h"
#include "shell/QxMessages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

namespace {

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        QxMessages::Reset();
        dir_ = std::filesystem::temp_directory_path() /
               ("ksw_msg_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        QxMessages::Reset();
        std::filesystem::remove_all(dir_);
    }
    std::string Write(const std::string& name, const std::string& content) {
        std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    std::filesystem::path dir_;
};

TEST_F(MessagesTest, MapStatusCoversEveryRange) {
    struct Case {
        int status;
        int code;
        const char* text;
    } cases[] = {
        {0, 0, "Ok!"},
        {1400, 0, "Ok!"},
        {-1401, 0, "Ok!"},
        {1, -101, "Response PDU Too Big!"},
        {2, -102, "Variable does not exist!"},
        {7, -107, "Cannot create/modify variable, Wrong Type!"},
        {18, -118, "Cannot create variable, Inconsistent Name!"},
        {1401, -301, "error!"},
        {1404, -304, "Unknown SecurityName!"},
        {1413, -313, "Unsupported PrivProtocol!"},
        {1414, -314, "Address error!"},
        {-1402, -201, "Unsupported Security Model!"},
        {-1412, -211, "Unknown UserName!"},
        {-1418, -217, "Report sent!"},
        {-1, -401, "Operation failed!"},
        {-5, -405, "SNMP request timed out!"},
        {-23, -423, "Blocked Mode Shutdown!"},
        {19, -528, "Unknown SNMP status (19)!"},
        {-24, -528, "Unknown SNMP status (-24)!"},
        {1415, -528, "Unknown SNMP status (1415)!"},
        {-1419, -528, "Unknown SNMP status (-1419)!"},
    };
    for (const Case& c : cases) {
        QxMessages::Mapped m = QxMessages::MapStatus(c.status);
        EXPECT_EQ(m.code, c.code) << "status " << c.status;
        EXPECT_EQ(m.text, c.text) << "status " << c.status;
    }
}

TEST_F(MessagesTest, FrameworkErrorsCarryTheirCode) {
    QxError e = QxError::Framework(11);
    EXPECT_EQ(e.Code(), -511);
    EXPECT_STREQ(e.what(), "Bad SNMP syntax!");
    QxError t = QxError::FromStatus(-5);
    EXPECT_EQ(t.Code(), -405);
    EXPECT_EQ(t.Text(), "SNMP request timed out!");
}

TEST_F(MessagesTest, BuiltInTablesAreComplete) {
    const int sizes[] = {17, 18, 17, 14, 23, 29, 2};
    for (int table = 0; table < QxMessages::TableCount; ++table) {
        for (int n = 0; n < sizes[table]; ++n) {
            EXPECT_FALSE(QxMessages::Entry(table, n).empty()) << table << "/" << n;
        }
        EXPECT_EQ(QxMessages::Entry(table, sizes[table]), "") << table;
    }
    EXPECT_EQ(QxMessages::Entry(0, 9),
              "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,the count of the number is less than [MAXCOUNT]!");
}

TEST_F(MessagesTest, LoadSkipsBlankLinesAndKeepsBlanksInsideEntries) {
    ASSERT_TRUE(QxMessages::Load(1, Write("snmp.err", "Too big\r\n\n   \n\t\r\n  Gone  \nBad\n")));
    EXPECT_EQ(QxMessages::Entry(1, 0), "Too big");
    EXPECT_EQ(QxMessages::Entry(1, 1), "  Gone  ");
    EXPECT_EQ(QxMessages::MapStatus(3).text, "Bad");
    // Entries the shorter file lacks keep their built-in texts.
    EXPECT_EQ(QxMessages::MapStatus(4).text, "Cannot modify object, Read Only!");
}

TEST_F(MessagesTest, MissingOrBlankFilesLeaveTheBuiltInTable) {
    EXPECT_FALSE(QxMessages::Load(1, (dir_ / "absent.err").string()));
    EXPECT_FALSE(QxMessages::Load(1, Write("blank.err", "\n  \r\n\t\n")));
    EXPECT_EQ(QxMessages::MapStatus(2).text, "Variable does not exist!");
}

// Only a regular file of at most 1 MB is read: a FIFO would hold the start-up for ever, a link
// to /dev/zero would grow without end and a huge file would be held whole. Each is skipped with
// a line on standard error that names it; a missing file stays silent.
TEST_F(MessagesTest, OnlySmallRegularFilesAreRead) {
    const std::string fifo = (dir_ / "fifo.err").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zero = (dir_ / "zero.err").string();
    std::filesystem::create_symlink("/dev/zero", zero);
    const std::string folder = (dir_ / "folder.err").string();
    std::filesystem::create_directory(folder);
    const std::string big = Write("big.err", std::string(QxMessages::MaxFileSize, 'x') + "\n");
    const std::string limit =
        Write("limit.err", "Fits\n" + std::string(QxMessages::MaxFileSize - 5, '\n'));
    struct {
        const char* name;
        std::string path;
        bool loaded;
        bool said;
    } cases[] = {
        {"fifo", fifo, false, true},
        {"link to /dev/zero", zero, false, true},
        {"folder", folder, false, true},
        {"1 MB and one byte", big, false, true},
        {"exactly 1 MB", limit, true, false},
        {"missing", (dir_ / "absent.err").string(), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QxMessages::Reset();
        testing::internal::CaptureStderr();
        EXPECT_EQ(QxMessages::Load(QxMessages::Snmp, c.path), c.loaded);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(QxMessages::Entry(QxMessages::Snmp, 0),
                  c.loaded ? "Fits" : "Response PDU Too Big!");
        if (c.said) {
            EXPECT_NE(said.find(c.path), std::string::npos) << said;
        } else {
            EXPECT_EQ(said, "");
        }
    }
}

TEST_F(MessagesTest, LongLinesAreSplitAndLineBreaksAreEscaped) {
    std::string longLine(1030, 'x');
    ASSERT_TRUE(QxMessages::Load(0, Write("common.err", longLine + "\nfirst\\nsecond\nlast")));
    EXPECT_EQ(QxMessages::Entry(0, 0), std::string(1023, 'x'));
    EXPECT_EQ(QxMessages::Entry(0, 1), std::string(7, 'x'));
    EXPECT_EQ(QxMessages::Entry(0, 2), "first\nsecond");
    EXPECT_EQ(QxMessages::Entry(0, 3), "last");
}

TEST_F(MessagesTest, FilesAreReadAsUtf8OrElseAsWindows1252) {
    const std::string uuml = "\xC3\xBC"; // u with diaeresis in UTF-8
    struct {
        const char* name;
        std::string bytes;
        std::string first;
        std::string second;
    } cases[] = {
        {"utf8", "Fehler: ung" + uuml + "ltig\nZweite\n", "Fehler: ung" + uuml + "ltig", "Zweite"},
        {"cp1252", "Fehler: ung\xFCltig\r\nZweite\r\n", "Fehler: ung" + uuml + "ltig", "Zweite"},
        // The code points of 0x80 to 0x9F differ from Latin-1: quotes, the euro sign.
        {"cp1252 quotes", "\x93Preis\x94 \x80\nx", "\xE2\x80\x9CPreis\xE2\x80\x9D \xE2\x82\xAC",
         "x"},
        // One byte that is not UTF-8 makes the whole file Windows-1252.
        {"mixed", "caf\xC3\xA9\nung\xFCltig", "caf\xC3\x83\xC2\xA9", "ung" + uuml + "ltig"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(QxMessages::Load(QxMessages::Snmp, Write("snmp.err", c.bytes))) << c.name;
        EXPECT_EQ(QxMessages::Entry(QxMessages::Snmp, 0), c.first) << c.name;
        EXPECT_EQ(QxMessages::Entry(QxMessages::Snmp, 1), c.second) << c.name;
    }
    // The line limit counts characters: a long line is never cut inside one.
    std::string longLine;
    for (int i = 0; i < 1030; ++i) {
        longLine += uuml;
    }
    ASSERT_TRUE(QxMessages::Load(QxMessages::Common, Write("common.err", longLine + "\n")));
    EXPECT_TRUE(QxMessages::Entry(QxMessages::Common, 0) == longLine.substr(0, 2 * 1023));
    EXPECT_EQ(QxMessages::Entry(QxMessages::Common, 1), longLine.substr(0, 2 * 7));
}

TEST_F(MessagesTest, LoadFolderReadsEveryPresentFile) {
    Write("snmpclass.err", "Timed out, see the cable\n");
    Write("snmp.msg", "G [ERROR]\nS [ERROR]\n");
    QxMessages::LoadFolder(dir_.string() + "/");
    EXPECT_EQ(QxMessages::Entry(4, 0), "Timed out, see the cable");
    EXPECT_EQ(QxMessages::Entry(6, 1), "S [ERROR]");
    EXPECT_EQ(QxMessages::Entry(2, 0), "Unsupported Security Model!");
}

TEST(Placeholder, ReplacesEveryOccurrence) {
    EXPECT_EQ(ReplacePlaceholder("[MIN]..[MAX], [MIN]", "[MIN]", "1"), "1..[MAX], 1");
    EXPECT_EQ(ReplacePlaceholder("[X]", "[X]", "[X][X]"), "[X][X]");
    EXPECT_EQ(ReplacePlaceholder("none", "[MIN]", "1"), "none");
}

} // namespace
