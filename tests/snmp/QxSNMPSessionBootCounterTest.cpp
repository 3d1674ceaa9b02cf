#include "shell/QxError.h"
#include "snmp/NetSnmpLibrary.h"
#include "snmp/QxSNMPBootCounter.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPSession.h"

#include "SnmpTestEnvironment.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(QxSNMPBootCounter, JoinsFolderAndFileName) {
    struct Row {
        const char* folder;
        const char* joined;
    } rows[] = {
        {"", "QxSNMP_PP_BootCounter"},
        {"conf", "conf/QxSNMP_PP_BootCounter"},
        {"conf/", "conf/QxSNMP_PP_BootCounter"},
        {"/var/x", "/var/x/QxSNMP_PP_BootCounter"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(QxSNMPBootCounter::JoinPath(row.folder, QxSNMPBootCounter::FileName), row.joined)
            << row.folder;
    }
}

// One start of the program against a counter file in a given state. A damaged line of our
// engine must not stop every later start: it is replaced by a fresh counter, and said so.
TEST(QxSNMPBootCounter, AdvancesTheCounterOfItsEngine) {
    struct Row {
        const char* name;
        std::optional<std::string> before; // nullopt: no file
        std::uint32_t counter;             // the counter returned
        const char* after;                 // the file afterwards
        bool damaged;                      // a line on standard error says so
    } rows[] = {
        {"missing file", std::nullopt, 1, "QxSNMP_PP_Application 1\n", false},
        {"count n", "QxSNMP_PP_Application 41\n", 42, "QxSNMP_PP_Application 42\n", false},
        {"line ends in CR LF", "QxSNMP_PP_Application 5\r\n", 6, "QxSNMP_PP_Application 6\n",
         false},
        {"blanks around the count", "  QxSNMP_PP_Application   7  \n", 8,
         "QxSNMP_PP_Application 8\n", false},
        {"other engines are kept", "Other 7\nQxSNMP_PP_Application 3\nThird 9\n", 4,
         "QxSNMP_PP_Application 4\nOther 7\nThird 9\n", false},
        {"empty file: no entry", "", 1, "QxSNMP_PP_Application 1\n", false},
        {"no entry for the engine", "Other 7\n", 1, "QxSNMP_PP_Application 1\nOther 7\n", false},
        {"duplicate lines: the first counts", "QxSNMP_PP_Application 2\nQxSNMP_PP_Application 9\n",
         3, "QxSNMP_PP_Application 3\n", false},
        {"largest count stays", "QxSNMP_PP_Application 2147483647\n", 2147483647u,
         "QxSNMP_PP_Application 2147483647\n", false},
        {"count is not a number", "QxSNMP_PP_Application many\n", 1, "QxSNMP_PP_Application 1\n",
         true},
        {"count is missing", "QxSNMP_PP_Application\n", 1, "QxSNMP_PP_Application 1\n", true},
        {"count with trailing junk", "QxSNMP_PP_Application 12abc\n", 1,
         "QxSNMP_PP_Application 1\n", true},
        {"negative count", "QxSNMP_PP_Application -3\n", 1, "QxSNMP_PP_Application 1\n", true},
        {"count beyond snmpEngineBoots", "QxSNMP_PP_Application 2147483648\n", 1,
         "QxSNMP_PP_Application 1\n", true},
        {"damaged line among others", "Other 7\nQxSNMP_PP_Application \x01\xff\n", 1,
         "QxSNMP_PP_Application 1\nOther 7\n", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        fs::path file = fs::path(folder.path().toStdString()) / QxSNMPBootCounter::FileName;
        if (row.before) {
            WriteFile(file, *row.before);
        }
        testing::internal::CaptureStderr();
        EXPECT_EQ(QxSNMPBootCounter::Advance(folder.path().toStdString()), row.counter);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(ReadFile(file), row.after);
        if (row.damaged) {
            EXPECT_NE(said.find(file.string()), std::string::npos) << said;
            EXPECT_NE(said.find("damaged"), std::string::npos) << said;
        } else {
            EXPECT_EQ(said, "");
        }
        // Saved through a temporary file that does not stay behind.
        EXPECT_EQ(
            std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);
    }
}

TEST(QxSNMPBootCounter, ACounterThatCannotBeSavedRaises508) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    fs::path root = folder.path().toStdString();
    // The counter "file" is a folder: it cannot be read (counter 0 is accepted) nor replaced.
    fs::create_directory(root / QxSNMPBootCounter::FileName);
    std::uint32_t counter = 99;
    EXPECT_EQ(QxSNMPBootCounter::Load((root / QxSNMPBootCounter::FileName).string(),
                                      QxSNMPBootCounter::EngineId, counter),
              QxSNMPBootCounter::CannotOpen);
    EXPECT_EQ(counter, 0u);
    for (const fs::path& where : {root, root / "no" / "such" / "folder"}) {
        try {
            QxSNMPBootCounter::Advance(where.string());
            ADD_FAILURE() << "no error raised for " << where;
        } catch (const QxError& e) {
            EXPECT_EQ(e.Code(), -508);
            EXPECT_EQ(e.Text(), "Error when saving SNMP engine boots counter!");
        }
    }
}

TEST(QxSNMPBootCounter, AnUnreadableFileCountsAsZero) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not stop root";
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    fs::path file = fs::path(folder.path().toStdString()) / QxSNMPBootCounter::FileName;
    WriteFile(file, "QxSNMP_PP_Application 41\n");
    fs::permissions(file, fs::perms::none);
    EXPECT_EQ(QxSNMPBootCounter::Advance(folder.path().toStdString()), 1u);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadFile(file), "QxSNMP_PP_Application 1\n");
}

TEST(QxSNMPSessionCreate, SecondCreationDoesNothing) {
    EnsureSnmpSession();
    QxSNMPSession* first = QxSNMPSession::Global();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(SnmpGlobal().eventProcessor.IsRunning());
    std::uint32_t boots = NetSnmpLibrary::LocalEngineBoots();
    EXPECT_GE(boots, 1u);

    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    QxSNMPSession::CreateGlobal(other.path().toStdString());
    EXPECT_EQ(QxSNMPSession::Global(), first);
    EXPECT_FALSE(fs::exists(fs::path(other.path().toStdString()) / QxSNMPBootCounter::FileName));
    EXPECT_EQ(NetSnmpLibrary::LocalEngineBoots(), boots);
}

TEST(QxSNMPSessionCreate, LocalEngineIdIsTheApplicationText) {
    EnsureSnmpSession();
    // RFC 3411 text format: enterprise 32473 with the high bit, format 4, the text.
    EXPECT_EQ(NetSnmpLibrary::LocalEngineId(),
              std::string("\x80\x00\x7e\xd9\x04", 5) + QxSNMPBootCounter::EngineId);
}

} // namespace
