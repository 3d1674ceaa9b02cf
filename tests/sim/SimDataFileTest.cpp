// ksw-sim refuses a data file it cannot serve, naming the line, and a bad command line.

#include "SnmpTool.h"
#include "TestAgent.h"
#include "TestProgram.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A private folder for the data files of one test.
class DataFolder {
public:
    DataFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ksw-data-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~DataFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    std::string Write(const std::string& name, const std::string& text) const {
        const std::string file = path_ + "/" + name;
        std::ofstream(file) << text;
        return file;
    }

private:
    std::string path_;
};

const std::string V = "1.3.6.1.4.1.32473";

struct BadFile {
    const char* what;
    std::string text;
    int line;
    const char* message;
};

TEST(SimDataFile, BadLineIsRefusedWithItsNumber) {
    const BadFile cases[] = {
        {"no separators", V + ".1.1.0|2|5\nnot a line\n", 2, "expected OID|TYPE|VALUE"},
        {"malformed OID", "# comment\n\n1.3.6.x.1|2|1\n", 3, "malformed OID"},
        {"unknown type tag", V + ".1.1.0|9|1\n", 1, "unknown type tag 9"},
        {"unknown flag", V + ".1.1.0|2q|1\n", 1, "unknown flag"},
        {"not an integer", V + ".1.1.0|2|1\n" + V + ".1.2.0|2|twelve\n", 2, "not a 32-bit integer"},
        {"integer too large", V + ".1.1.0|2|4294967296\n", 1, "not a 32-bit integer"},
        {"bad IP address", V + ".1.1.0|64|10.0.0.256\n", 1, "not an IPv4 address"},
        {"odd hex digits", V + ".1.1.0|4x|ABC\n", 1, "not hexadecimal octets"},
        {"outside the served subtrees", "1.3.6.1.4.1.9.1.0|2|1\n", 1, "outside the subtrees"},
        {"agent library's subtree", "1.3.6.1.6.3.15.1.1.1.0|65|0\n", 1, "outside the subtrees"},
        {"duplicate OID", V + ".1.1.0|2|1\n" + V + ".1.2.0|2|1\n" + V + ".1.1.0|2|2\n", 3,
         "already given at line 1"},
        {"value outside its allowed values", V + ".1.1.0|2w[2,3]|5\n", 1,
         "outside the allowed values"},
        {"malformed allowed values", V + ".1.1.0|2w[3..2]|3\n", 1, "malformed allowed values"},
        {"live object", V + ".11.69.3.2.1.1.6.0|2|2\n", 1, "computed by the simulator"},
        {"cell type differs from its column", V + ".5.1.2|64wc|0.0.0.0\n" + V + ".5.1.2.1|2|5\n", 2,
         "differs from the column's type"},
        {"cell outside the declared columns",
         V + ".5.1.3|2sc|1\n" + V + ".5.1.3.1|2|1\n" + V + ".5.1.4.1|2|1\n", 3,
         "in no declared column"},
        {"row status flag on a cell", V + ".1.1.0|2s|1\n", 1, "declared on its column"},
        {"row status cell not active", V + ".5.1.3|2sc|1\n" + V + ".5.1.3.1|2|6\n", 2,
         "must be active"},
        {"valid/invalid status that is no integer", V + ".5.1.3|4vc|x\n", 1,
         "a row status must be an Integer"},
        {"valid/invalid status flag on a cell", V + ".1.1.0|2v|3\n", 1, "declared on its column"},
        {"valid/invalid status cell neither valid nor invalid",
         V + ".5.1.3|2vc|3\n" + V + ".5.1.3.1|2|1\n", 2, "must be valid (3) or invalid (2)"},
        {"second status column of a table", V + ".5.1.3|2sc|1\n" + V + ".5.1.4|2vc|3\n", 2,
         "already has the row status declared at line 1"},
        {"cell outside the columns of a valid/invalid table",
         V + ".5.1.3|2vc|3\n" + V + ".5.1.3.1|2|3\n" + V + ".5.1.4.1|2|1\n", 3,
         "in no declared column"},
        {"lock that is no integer", V + ".1.1.0|4t|x\n", 1, "lock must be an Integer"},
        {"identifier outside the allowed ones", V + ".1.1.0|6w[1.3.6.1.1,1.3.6.1.2]|1.3.6.1.3\n", 1,
         "outside the allowed values"},
        {"malformed allowed identifiers", V + ".1.1.0|6w[1.3.6.1.1,]|1.3.6.1.1\n", 1,
         "malformed allowed values"},
        {"index value of an identifier column", V + ".5.1.2|6c|$1\n", 1,
         "needs a numeric, octet-string or IpAddress type"},
        {"USM statistics stay the library's", "1.3.6.1.6.3.15.1.1.1.0|65|0\n", 1,
         "outside the subtrees"},
    };
    const DataFolder folder;
    for (const BadFile& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = folder.Write("bad.snmprec", c.text);
        const ProgramResult r =
            RunProgram({TestAgent::SimulatorPath(), "--data", file, "--port", "1"});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.err.find(file + ", line " + std::to_string(c.line) + ": "), std::string::npos)
            << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

struct BadCommandLine {
    std::vector<std::string> args;
    int exitCode;
    const char* message;
};

TEST(SimDataFile, BadCommandLineIsRefused) {
    const BadCommandLine cases[] = {
        {{"--data", "/nonexistent/ksw.snmprec"}, 1, "cannot read the data file"},
        {{"--port", "0"}, 2, "--port needs a whole number from 1 to 65535"},
        {{"--port"}, 2, "--port needs a value"},
        {{"--rows", "many"}, 2, "--rows needs a whole number"},
        {{"--colour"}, 2, "unknown option \"--colour\""},
    };
    for (const BadCommandLine& c : cases) {
        SCOPED_TRACE(c.message);
        std::vector<std::string> argv = {TestAgent::SimulatorPath()};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const ProgramResult r = RunProgram(argv);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(SimDataFile, LockWrapsToZeroAfterItsHighestValue) {
    const DataFolder folder;
    const std::string lock = ".1.3.6.1.6.3.15.1.2.1.0";
    const std::string file = folder.Write("lock.snmprec", lock + "|2t|2147483647\n");
    TestAgent agent(TestAgent::Kind::Simulator, {"--data", file});
    const SnmpTool tool(agent, {"-v2c", "-c", "private"});
    const ProgramResult set = tool.Set({lock, "i", "2147483647"});
    EXPECT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(SnmpTool::Values(tool.Get({lock}).out)[lock], "0");
}

TEST(SimDataFile, ServesAGoodFileAndItsDeclaredTable) {
    const DataFolder folder;
    const std::string file =
        folder.Write("good.snmprec", "# a comment\n" + V + ".1.1.0|4|hello | world\n" + V +
                                         ".5.1.2|2wc[1..9]|$1\n" + V + ".5.1.3|2sc|1\n" + V +
                                         ".5.1.2.4|2|4\n" + V + ".5.1.3.4|2|1\n");
    TestAgent agent(TestAgent::Kind::Simulator, {"--data", file});
    const ProgramResult r = RunProgram({"snmpwalk", "-v2c", "-c", "public", "-t", "1", "-r", "1",
                                        "-On", "-OQ", agent.Address(), "." + V});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("." + V + ".1.1.0 = \"hello | world\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("." + V + ".5.1.2.4 = 4"), std::string::npos) << r.out;
}

} // namespace
