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

// One start of the program against a counter file in a given state.
TEST(QxSNMPBootCounter, AdvancesTheCounterOfItsEngine) {
    constexpr int Ok = 0;
    struct Row {
        const char* name;
        std::optional<std::string> before; // nullopt: no file
        int code;                          // 0, or the raised framework code
        std::uint32_t counter;             // the counter returned on success
        const char* after;                 // the file afterwards (on success)
    } rows[] = {
        {"missing file", std::nullopt, Ok, 1, "QxSNMP_PP_Application 1\n"},
        {"count n", "QxSNMP_PP_Application 41\n", Ok, 42, "QxSNMP_PP_Application 42\n"},
        {"line ends in CR LF", "QxSNMP_PP_Application 5\r\n", Ok, 6, "QxSNMP_PP_Application 6\n"},
        {"blanks around the count", "  QxSNMP_PP_Application   7  \n", Ok, 8,
         "QxSNMP_PP_Application 8\n"},
        {"other engines are kept", "Other 7\nQxSNMP_PP_Application 3\nThird 9\n", Ok, 4,
         "QxSNMP_PP_Application 4\nOther 7\nThird 9\n"},
        {"empty file: no entry", "", Ok, 1, "QxSNMP_PP_Application 1\n"},
        {"no entry for the engine", "Other 7\n", Ok, 1, "QxSNMP_PP_Application 1\nOther 7\n"},
        {"duplicate lines: the first counts", "QxSNMP_PP_Application 2\nQxSNMP_PP_Application 9\n",
         Ok, 3, "QxSNMP_PP_Application 3\n"},
        {"largest count stays", "QxSNMP_PP_Application 2147483647\n", Ok, 2147483647u,
         "QxSNMP_PP_Application 2147483647\n"},
        {"count is not a number", "QxSNMP_PP_Application many\n", -507, 0, nullptr},
        {"count is missing", "QxSNMP_PP_Application\n", -507, 0, nullptr},
        {"count with trailing junk", "QxSNMP_PP_Application 12abc\n", -507, 0, nullptr},
        {"negative count", "QxSNMP_PP_Application -3\n", -507, 0, nullptr},
        {"count beyond snmpEngineBoots", "QxSNMP_PP_Application 2147483648\n", -507, 0, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        fs::path file = fs::path(folder.path().toStdString()) / QxSNMPBootCounter::FileName;
        if (row.before) {
            WriteFile(file, *row.before);
        }
        if (row.code == Ok) {
            EXPECT_EQ(QxSNMPBootCounter::Advance(folder.path().toStdString()), row.counter);
            EXPECT_EQ(ReadFile(file), row.after);
        } else {
            try {
                QxSNMPBootCounter::Advance(folder.path().toStdString());
                ADD_FAILURE() << "no error raised";
            } catch (const QxError& e) {
                EXPECT_EQ(e.Code(), row.code);
                EXPECT_EQ(e.Text(), "Error when loading SNMP engine boots counter!");
            }
            EXPECT_EQ(ReadFile(file), *row.before) << "a counter file it cannot read is kept";
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
