#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// An SNMP agent started for one test: the simulator ksw-sim or Debian's snmpd, listening on a
// free UDP port of 127.0.0.1. The constructor returns once the agent answers an SNMP GET;
// the destructor stops it (SIGTERM, then SIGKILL after a bound) and removes its private
// temporary folder. The agent also dies with the test process.
//
// Communities: ksw-sim answers "readcm" and "public" read-only, "writecm" and "private"
// read-write; snmpd (tests/support/snmpd.conf) answers "readcm" read-only and "public",
// "private", "writecm" read-write. Both know the same SNMPv3 users and pass phrases, each
// at its own security level and above:
//   noAuthUser (noAuthNoPriv), MD5_User/md5userpass (authNoPriv),
//   MD5_DES_User/md5despass1/md5despriv1 (authPriv), SHA_User/shauserpass (authNoPriv),
//   SHA_DES_User/shadespass1/shadespriv1 (authPriv), SHA224_User/sha224userpass (SHA-224,
//   authNoPriv), SHA256_AES_User/sha256aespass/sha256aespriv (SHA-256, AES),
//   SHA384_AES192_User/sha384aes192pass/sha384aes192priv (SHA-384, AES-192),
//   SHA512_AES256_User/sha512aes256pass/sha512aes256priv (SHA-512, AES-256).
// A UDP port of 127.0.0.1 that is free now (bound to port 0, read back, released); also a
// port that nobody answers on, for time-out tests.
int FreeUdpPort();

class TestAgent {
public:
    enum class Kind { Simulator, Snmpd };

    // Starts the agent with extra command-line arguments (ksw-sim options such as "--poe",
    // "--rows", "100", or a slow device: "--delay-ms", "200", "--jitter-ms", "50"; for snmpd
    // any snmpd option). The start-up probe waits for a delayed simulator's answer too. Throws
    // std::runtime_error, with the agent's own output, when it cannot be started after a few
    // attempts.
    explicit TestAgent(Kind kind = Kind::Simulator, std::vector<std::string> extraArgs = {});
    ~TestAgent();

    TestAgent(const TestAgent&) = delete;
    TestAgent& operator=(const TestAgent&) = delete;

    int Port() const { return port_; }
    // "127.0.0.1:PORT", the agent argument of net-snmp's command-line tools.
    std::string Address() const;
    pid_t Pid() const { return pid_; }
    // The agent's private temporary folder (persistent files, its log "agent.log").
    const std::string& Folder() const { return folder_; }
    // Whether the process is still running (not exited or killed).
    bool Running();
    // Stops the agent now (SIGTERM, SIGKILL after a bound) and returns its exit status:
    // 0 for a clean end, -1 when it had to be killed or died of a signal. Safe to call twice.
    int Stop();
    // What the agent wrote to its standard output and error (and snmpd's log).
    std::string LogText() const;

    static std::string SimulatorPath();
    static std::string SnmpdPath();
    static std::string SnmpdConfigPath();

private:
    bool StartOnce(int port, std::string& failure);
    std::vector<std::string> CommandLine(int port) const;

    Kind kind_;
    std::vector<std::string> extraArgs_;
    std::string folder_;
    int port_ = 0;
    pid_t pid_ = -1;
    int exitStatus_ = -1;
};
