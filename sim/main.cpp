// ksw-sim: the simulated KSW-524P switch, an SNMP agent on 127.0.0.1.

#include "SimAgent.h"
#include "SimDataFile.h"
#include "SimDevice.h"
#include "SimOptions.h"

#include <cstdio>
#include <optional>
#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
// The agent library keeps allocations for the life of the process (registries, MIB tree,
// transports) and does not free them all at shutdown; those are not the simulator's leaks.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libnetsnmp\n";
}
#endif

int main(int argc, char** argv) {
    SimOptions options;
    try {
        options = SimOptions::Parse(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "ksw-sim: %s\n%s", error.what(), SimOptions::Usage().c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(SimOptions::Usage().c_str(), stdout);
        return 0;
    }
    const std::string path =
        options.dataPath.empty() ? SimOptions::DefaultDataPath(argv[0]) : options.dataPath;
    std::optional<SimDataFile> data;
    try {
        data = SimDataFile::Read(path, SimDevice::ServedRoots());
    } catch (const SimDataError& error) {
        std::fprintf(stderr, "ksw-sim: %s\n", error.what());
        return 1;
    }
    SimAgent agent(options, std::move(*data));
    return agent.Run();
}
