#include "TestAgent.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int StartAttempts = 3;
// Bound for one start: the sanitizer build of ksw-sim and snmpd with its host modules need
// a moment; a healthy agent answers long before.
constexpr auto StartLimit = std::chrono::seconds(8);
constexpr auto StopLimit = std::chrono::seconds(3);

// SNMPv2c GetRequest for sysUpTime.0 with community "public", request id 1, BER-encoded.
constexpr unsigned char Probe[] = {0x30, 0x26,                                    // message
                                   0x02, 0x01, 0x01,                              // version 2c
                                   0x04, 0x06, 'p',  'u',  'b',  'l',  'i',  'c', // community
                                   0xA0, 0x19,                                    // GetRequest-PDU
                                   0x02, 0x01, 0x01,                              // request-id
                                   0x02, 0x01, 0x00,                              // error-status
                                   0x02, 0x01, 0x00,                              // error-index
                                   0x30, 0x0E, // variable bindings
                                   0x30, 0x0C, // one binding
                                   0x06, 0x08, 0x2B, 0x06, 0x01, 0x02, 0x01, 0x01,
                                   0x03, 0x00,  // 1.3.6.1.2.1.1.3.0
                                   0x05, 0x00}; // NULL

// Sends the probe to the port and waits a short while (plus the answer delay the simulator
// was given) for any answer from it.
bool Answers(int port, std::chrono::milliseconds answerDelay) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    bool answered = false;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        send(fd, Probe, sizeof Probe, 0) == static_cast<ssize_t>(sizeof Probe)) {
        pollfd p{fd, POLLIN, 0};
        const int wait = 100 + static_cast<int>(answerDelay.count());
        if (poll(&p, 1, wait) == 1 && (p.revents & POLLIN) != 0) {
            unsigned char reply[1500];
            answered = recv(fd, reply, sizeof reply, 0) > 0;
        }
    }
    close(fd);
    return answered;
}

// Waits for the child without blocking; returns whether it has ended.
bool Reaped(pid_t pid, int& status) {
    const pid_t r = waitpid(pid, &status, WNOHANG);
    return r == pid || (r < 0 && errno == ECHILD);
}

// The longest time ksw-sim holds an answer with these options (--delay-ms plus --jitter-ms).
std::chrono::milliseconds AnswerDelay(const std::vector<std::string>& args) {
    long total = 0;
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--delay-ms" || args[i] == "--jitter-ms")
            total += std::strtol(args[i + 1].c_str(), nullptr, 10);
    }
    return std::chrono::milliseconds(std::max(0L, total));
}

} // namespace

TestAgent::TestAgent(Kind kind, std::vector<std::string> extraArgs)
    : kind_(kind), extraArgs_(std::move(extraArgs)) {
    std::string pattern = (std::filesystem::temp_directory_path() / "ksw-agent-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    folder_ = pattern;

    std::string failures;
    for (int attempt = 0; attempt < StartAttempts; ++attempt) {
        std::string failure;
        const int port = FreeUdpPort();
        if (StartOnce(port, failure)) {
            port_ = port;
            return;
        }
        failures += "attempt " + std::to_string(attempt + 1) + " on port " + std::to_string(port) +
                    ": " + failure + "\n";
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    throw std::runtime_error("TestAgent: the agent did not start\n" + failures);
}

TestAgent::~TestAgent() {
    Stop();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string TestAgent::Address() const {
    return "127.0.0.1:" + std::to_string(port_);
}

std::string TestAgent::SimulatorPath() {
    return KSW_SIM_PATH;
}

std::string TestAgent::SnmpdPath() {
    return KSW_SNMPD_PATH;
}

std::string TestAgent::SnmpdConfigPath() {
    return KSW_SNMPD_CONF;
}

std::vector<std::string> TestAgent::CommandLine(int port) const {
    std::vector<std::string> argv;
    if (kind_ == Kind::Simulator) {
        argv = {SimulatorPath(), "--port", std::to_string(port)};
    } else {
        // -f foreground, -C no other configuration files, -Lf log into our folder.
        argv = {SnmpdPath(),
                "-f",
                "-C",
                "-c",
                SnmpdConfigPath(),
                "-Lf",
                folder_ + "/agent.log",
                "-p",
                folder_ + "/snmpd.pid"};
    }
    argv.insert(argv.end(), extraArgs_.begin(), extraArgs_.end());
    if (kind_ == Kind::Snmpd)
        argv.push_back("udp:127.0.0.1:" + std::to_string(port));
    return argv;
}

bool TestAgent::StartOnce(int port, std::string& failure) {
    const std::vector<std::string> argv = CommandLine(port);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const std::string logPath = folder_ + "/agent.log";
    const std::string persistDir = folder_ + "/persist";
    std::filesystem::create_directories(persistDir);
    const pid_t parent = getpid();

    const pid_t pid = fork();
    if (pid < 0) {
        failure = std::string("fork: ") + std::strerror(errno);
        return false;
    }
    if (pid == 0) {
        // The agent must not outlive a test process that crashes or is killed.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(126);
        const int in = open("/dev/null", O_RDONLY);
        const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (in >= 0) {
            dup2(in, STDIN_FILENO);
            close(in);
        }
        if (log >= 0) {
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
            close(log);
        }
        setenv("SNMP_PERSISTENT_DIR", persistDir.c_str(), 1);
        setenv("SNMPCONFPATH", persistDir.c_str(), 1);
        execv(args[0], args.data());
        _exit(127);
    }
    pid_ = pid;

    const auto answerDelay =
        kind_ == Kind::Simulator ? AnswerDelay(extraArgs_) : std::chrono::milliseconds(0);
    const auto deadline = Clock::now() + StartLimit + 2 * answerDelay;
    while (Clock::now() < deadline) {
        int status = 0;
        if (Reaped(pid_, status)) {
            pid_ = -1;
            failure = "exited with status " +
                      std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + "; output:\n" +
                      LogText();
            return false;
        }
        if (Answers(port, answerDelay))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    Stop();
    failure = "no answer within the start limit; output:\n" + LogText();
    return false;
}

bool TestAgent::Running() {
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (Reaped(pid_, status)) {
        exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        pid_ = -1;
        return false;
    }
    return true;
}

int TestAgent::Stop() {
    if (pid_ <= 0)
        return exitStatus_;
    kill(pid_, SIGTERM);
    const auto deadline = Clock::now() + StopLimit;
    int status = 0;
    bool ended = false;
    while (!(ended = Reaped(pid_, status)) && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!ended) {
        kill(pid_, SIGKILL);
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        exitStatus_ = -1;
    } else {
        exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    pid_ = -1;
    return exitStatus_;
}

std::string TestAgent::LogText() const {
    std::ifstream in(folder_ + "/agent.log");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int FreeUdpPort() {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::system_error(errno, std::generic_category(), "socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        const int error = errno;
        close(fd);
        throw std::system_error(error, std::generic_category(), "bind");
    }
    close(fd);
    return ntohs(address.sin_port);
}
