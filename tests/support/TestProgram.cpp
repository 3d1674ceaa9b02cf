#include "TestProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace {

// One private folder per test process for the tools' configuration and persistent files.
class ToolFolder {
public:
    ToolFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ksw-tools-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        path_ = pattern;
        std::filesystem::create_directory(path_ + "/conf");
        std::filesystem::create_directory(path_ + "/persist");
    }
    ~ToolFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ToolFolder(const ToolFolder&) = delete;
    ToolFolder& operator=(const ToolFolder&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

const ToolFolder& Tools() {
    static const ToolFolder folder;
    return folder;
}

void ReadAvailable(int fd, std::string& into, bool& open) {
    char buffer[4096];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0)
        into.append(buffer, static_cast<size_t>(n));
    else if (n == 0 || (errno != EINTR && errno != EAGAIN))
        open = false;
}

} // namespace

ProgramResult RunProgram(const std::vector<std::string>& argv, std::chrono::milliseconds limit) {
    if (argv.empty())
        throw std::invalid_argument("RunProgram: empty command line");
    const std::string confDir = Tools().Path() + "/conf";
    const std::string persistDir = Tools().Path() + "/persist";

    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    int outPipe[2];
    int errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0)
        throw std::system_error(errno, std::generic_category(), "pipe");
    if (pipe2(errPipe, O_CLOEXEC) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        throw std::system_error(errno, std::generic_category(), "pipe");
    }

    const pid_t pid = fork();
    if (pid < 0) {
        for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]})
            close(fd);
        throw std::system_error(errno, std::generic_category(), "fork");
    }
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int devNull = open("/dev/null", O_RDONLY);
        if (devNull >= 0)
            dup2(devNull, STDIN_FILENO);
        dup2(outPipe[1], STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        setenv("SNMPCONFPATH", confDir.c_str(), 1);
        setenv("SNMP_PERSISTENT_DIR", persistDir.c_str(), 1);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);

    ProgramResult result;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    bool outOpen = true;
    bool errOpen = true;
    while (outOpen || errOpen) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        pollfd fds[2] = {{outOpen ? outPipe[0] : -1, POLLIN, 0},
                         {errOpen ? errPipe[0] : -1, POLLIN, 0}};
        const int ready = poll(fds, 2, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0)
            continue;
        if (fds[0].revents != 0)
            ReadAvailable(outPipe[0], result.out, outOpen);
        if (fds[1].revents != 0)
            ReadAvailable(errPipe[0], result.err, errOpen);
    }
    close(outPipe[0]);
    close(errPipe[0]);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.exitCode = 128 + WTERMSIG(status);
    return result;
}
