#pragma once

#include "SimAnswerDelay.h"
#include "SimDataFile.h"
#include "SimDevice.h"
#include "SimHandler.h"
#include "SimOptions.h"
#include "SimStore.h"

#include <memory>
#include <string>
#include <vector>

struct com2SecEntry_s;

// The agent process: sets the agent library up without reading any configuration or
// persistent file of the host (everything lives in a private temporary folder), with the
// simulator's communities, SNMPv3 users and access rules, the library's own SNMPv3 MIB
// modules, and the simulator's handlers over the device's objects; then answers requests
// on 127.0.0.1 until SIGINT or SIGTERM, each answer held for the delay of the options.
class SimAgent {
public:
    SimAgent(SimOptions options, SimDataFile data);
    ~SimAgent();

    SimAgent(const SimAgent&) = delete;
    SimAgent& operator=(const SimAgent&) = delete;

    // Runs the agent; returns the process exit code (0 after a signal, 1 on failure).
    int Run();

private:
    bool Start(std::string& failure);
    bool Listen(const std::string& address, std::string& failure);
    void Build();
    void AddCommunityTable();
    void SyncCommunities();
    void Serve();
    void Reboot();
    void WaitForRequests(bool discard);
    void Shutdown();

    SimOptions options_;
    SimDataFile data_;
    std::string folder_;
    SimStore store_;
    SimDevice device_;
    std::vector<std::unique_ptr<SimHandler>> handlers_;
    std::vector<com2SecEntry_s*> communities_;
    std::unique_ptr<SimAnswerDelay> answerDelay_; // only with --delay-ms or --jitter-ms
    bool started_ = false;
    bool rebootPending_ = false;
};
