#include "child_process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <thread>

namespace tessarivand::testing {

namespace {

using Clock = std::chrono::steady_clock;

class Pipe {
public:
    Pipe() {
        if (::pipe2(ends_.data(), O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe() {
        closeReading();
        closeWriting();
    }
    [[nodiscard]] int reading() const { return ends_[0]; }
    [[nodiscard]] int writing() const { return ends_[1]; }
    void closeReading() { closeEnd(ends_[0]); }
    void closeWriting() { closeEnd(ends_[1]); }

private:
    static void closeEnd(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    std::array<int, 2> ends_{-1, -1};
};

// In the child, between fork and exec: only async-signal-safe calls.
void redirect(const std::string& path, int flags, int target) {
    if (path.empty()) {
        ::close(target);
        return;
    }
    const int fd = ::open(path.c_str(), flags, 0600);
    if (fd < 0) ::_exit(127);
    if (fd != target) {
        ::dup2(fd, target);
        ::close(fd);
    }
}

// The child: a session of its own, its streams set up, then the launcher,
// which starts the program and writes its report to reportFd.
[[noreturn]] void becomeLauncher(const char* const* argv, const ChildSetup& setup, int outputPipe, int reportFd) {
    ::setsid();
    // The outputs first, so that a closed standard input is not refilled by
    // one of their descriptors.
    if (outputPipe >= 0) {
        ::dup2(outputPipe, STDOUT_FILENO);
    } else {
        redirect(setup.standardOutput, O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
    }
    redirect(setup.standardError, O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
    redirect(setup.standardInput, O_RDONLY, STDIN_FILENO);
    ::fcntl(reportFd, F_SETFD, 0);
    ::signal(SIGPIPE, setup.sigpipeIgnored ? SIG_IGN : SIG_DFL);
    ::execv(argv[0], const_cast<char* const*>(argv));
    ::_exit(127);
}

// Reads up to count bytes from fd before the deadline.
void readUpTo(int fd, std::size_t count, Clock::time_point deadline) {
    std::array<char, 4096> buffer{};
    std::size_t taken = 0;
    while (taken < count && Clock::now() < deadline) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, 50) <= 0) continue;
        const ssize_t received = ::read(fd, buffer.data(), std::min(buffer.size(), count - taken));
        if (received <= 0) break;
        taken += static_cast<std::size_t>(received);
    }
}

// Waits for the launcher; past the deadline, kills its whole process group.
bool waitUntil(pid_t child, Clock::time_point deadline) {
    bool killed = false;
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) return !killed;
        if (done < 0 && errno != EINTR) throw std::runtime_error("waitpid failed");
        if (!killed && Clock::now() >= deadline) {
            ::kill(-child, SIGKILL);
            killed = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

std::string readAll(int fd) {
    std::string text;
    std::array<char, 256> buffer{};
    for (;;) {
        const ssize_t received = ::read(fd, buffer.data(), buffer.size());
        if (received > 0) {
            text.append(buffer.data(), static_cast<std::size_t>(received));
        } else if (received == 0 || errno != EINTR) {
            return text;
        }
    }
}

}  // namespace

ChildEnd runChild(const std::string& program, const ChildSetup& setup) {
    Pipe report;
    std::unique_ptr<Pipe> output;
    if (setup.outputReadBeforeClosing > 0) output = std::make_unique<Pipe>();
    const std::string reportFd = std::to_string(report.writing());
    std::vector<const char*> argv{TESSARIVAND_LAUNCHER, reportFd.c_str(), program.c_str()};
    for (const std::string& argument : setup.arguments) argv.push_back(argument.c_str());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) becomeLauncher(argv.data(), setup, output ? output->writing() : -1, report.writing());

    const auto deadline = Clock::now() + setup.limit;
    report.closeWriting();
    if (output) {
        output->closeWriting();
        readUpTo(output->reading(), setup.outputReadBeforeClosing, deadline);
        output->closeReading();  // as `head -c N` does
    }
    ChildEnd end;
    end.timedOut = !waitUntil(child, deadline);
    if (end.timedOut) return end;
    int exited = 0;
    int fixedLayout = 0;
    if (std::sscanf(readAll(report.reading()).c_str(), "%d %d %d %ld %d", &exited, &end.status, &end.signal,
                    &end.peakKilobytes, &fixedLayout) != 5) {
        throw std::runtime_error("the launcher did not report");
    }
    end.exited = exited != 0;
    end.fixedLayout = fixedLayout != 0;
    return end;
}

TemporaryDirectory::TemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessarivand-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

ChildSetup setupOnFiles(const TemporaryDirectory& dir, const std::string& input, std::chrono::seconds limit) {
    writeFile(dir.file("in"), input);
    ChildSetup setup;
    setup.standardInput = dir.file("in");
    setup.standardOutput = dir.file("out");
    setup.standardError = dir.file("err");
    setup.limit = limit;
    return setup;
}

}  // namespace tessarivand::testing
