#include "snmp/QxSNMPBootCounter.h"

#include "shell/QxError.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

// One line of the file split into the engine ID and the rest.
struct Line {
    std::string text;
    std::string engine;
    std::string rest;
};

Line SplitLine(std::string text) {
    Line line;
    if (!text.empty() && text.back() == '\r') {
        text.pop_back();
    }
    line.text = text;
    std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) {
        return line;
    }
    std::size_t end = text.find_first_of(" \t", begin);
    line.engine = text.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
    if (end != std::string::npos) {
        std::size_t restBegin = text.find_first_not_of(" \t", end);
        std::size_t restEnd = text.find_last_not_of(" \t");
        if (restBegin != std::string::npos) {
            line.rest = text.substr(restBegin, restEnd - restBegin + 1);
        }
    }
    return line;
}

bool ParseCount(const std::string& text, std::uint32_t& count) {
    if (text.empty()) {
        return false;
    }
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() ||
        value > QxSNMPBootCounter::MaxCount) {
        return false;
    }
    count = static_cast<std::uint32_t>(value);
    return true;
}

// The lines of a readable file; false when it cannot be opened or read.
bool ReadLines(const std::string& path, std::vector<Line>& lines) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string text;
    while (std::getline(in, text)) {
        lines.push_back(SplitLine(std::move(text)));
    }
    return !in.bad();
}

bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string QxSNMPBootCounter::JoinPath(const std::string& folder, const std::string& file) {
    if (folder.empty()) {
        return file;
    }
    return folder.back() == '/' ? folder + file : folder + "/" + file;
}

int QxSNMPBootCounter::Load(const std::string& path, const std::string& engineId,
                            std::uint32_t& counter) {
    counter = 0;
    std::vector<Line> lines;
    if (!ReadLines(path, lines)) {
        return CannotOpen;
    }
    for (const Line& line : lines) {
        if (line.engine == engineId) {
            std::uint32_t count = 0;
            if (!ParseCount(line.rest, count)) {
                return BadEntry;
            }
            counter = count;
            return Found;
        }
    }
    return NoEntry;
}

int QxSNMPBootCounter::Save(const std::string& path, const std::string& engineId,
                            std::uint32_t counter) {
    // Keep the other engines' lines; every line of ours is replaced by one.
    std::vector<Line> lines;
    ReadLines(path, lines);
    std::ostringstream content;
    content << engineId << ' ' << counter << '\n';
    for (const Line& line : lines) {
        if (!line.engine.empty() && line.engine != engineId) {
            content << line.text << '\n';
        }
    }

    std::string temp = path + ".tmp" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return -1;
    }
    bool written = WriteAll(fd, content.str()) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return -1;
    }
    return 0;
}

std::uint32_t QxSNMPBootCounter::Advance(const std::string& folder) {
    const std::string path = JoinPath(folder, FileName);
    std::uint32_t counter = 0;
    int status = Load(path, EngineId, counter);
    if (status == BadEntry) {
        // A damaged line would otherwise stop every later start; the engine starts counting
        // afresh and the file gets a good line in its place.
        std::fprintf(stderr,
                     "ksw524p: the SNMP engine boots counter in %s is damaged; "
                     "it starts again from 1\n",
                     path.c_str());
        counter = 0;
    }
    if (counter < MaxCount) {
        ++counter;
    }
    if (Save(path, EngineId, counter) != 0) {
        throw QxError::Framework(8);
    }
    return counter;
}
