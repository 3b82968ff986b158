#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utmp.h>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace tessarivand::testing {

// Long enough for a loaded machine; only a broken program makes a test wait
// this long, and then the test fails instead of hanging.
constexpr std::chrono::seconds Patience{10};

// Where the program's standard input comes from.
enum class StandardInput { terminal, pipe };

// The built program on a pseudo-terminal of its own, which is its controlling
// terminal and its standard output and error; standard input is the terminal
// too, or a pipe that the test writes. The test keeps the terminal's own end
// open, so its mode can be read after the program has gone.
class TerminalSession {
public:
    // hangUpIgnored: the program starts with SIGHUP ignored, as under nohup.
    explicit TerminalSession(StandardInput input = StandardInput::terminal, const termios* mode = nullptr,
                             bool hangUpIgnored = false) {
        if (::openpty(&master_, &terminal_, nullptr, mode, nullptr) != 0) {
            ADD_FAILURE() << "openpty: " << std::strerror(errno);
            return;
        }
        // A program that has ended must fail the test, not kill it through SIGPIPE.
        std::signal(SIGPIPE, SIG_IGN);
        std::array<int, 2> pipeEnds{-1, -1};
        if (input == StandardInput::pipe && ::pipe2(pipeEnds.data(), O_CLOEXEC) != 0) {
            ADD_FAILURE() << "pipe: " << std::strerror(errno);
            return;
        }
        child_ = ::fork();
        if (child_ == 0) {
            ::close(master_);
            std::signal(SIGPIPE, SIG_DFL);
            if (hangUpIgnored) std::signal(SIGHUP, SIG_IGN);
            // A new session whose controlling terminal is the pseudo-terminal.
            if (::login_tty(terminal_) != 0) ::_exit(126);
            if (pipeEnds[0] >= 0) ::dup2(pipeEnds[0], STDIN_FILENO);
            const rlimit noCoreFile{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCoreFile);  // SIGQUIT must leave nothing behind
            ::execl(TESSARIVAND_PROGRAM, TESSARIVAND_PROGRAM, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (pipeEnds[0] >= 0) ::close(pipeEnds[0]);
        input_ = pipeEnds[1];
    }
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;
    ~TerminalSession() {
        if (child_ > 0 && !status_) {
            ::kill(child_, SIGKILL);
            ::waitpid(child_, nullptr, 0);
        }
        closeStandardInput();
        if (master_ >= 0) ::close(master_);
        if (terminal_ >= 0) ::close(terminal_);
    }

    [[nodiscard]] pid_t pid() const { return child_; }

    // Closes the terminal from its far side, as a closed terminal window does.
    void hangUp() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

    // Keys pressed on the terminal.
    void type(std::string_view keys) const { writeAll(master_, keys); }

    // Bytes written into the redirected standard input.
    void feed(std::string_view bytes) const { writeAll(input_, bytes); }
    void closeStandardInput() {
        if (input_ >= 0) ::close(input_);
        input_ = -1;
    }

    // Everything shown so far, with the terminal's "\r\n" turned back into
    // the program's "\n".
    [[nodiscard]] std::string screen() const {
        std::string text;
        for (std::size_t i = 0; i < raw_.size(); ++i) {
            if (raw_[i] == '\r' && i + 1 < raw_.size() && raw_[i + 1] == '\n') continue;
            text.push_back(raw_[i]);
        }
        return text;
    }

    // What the screen shows after the text last waited for.
    [[nodiscard]] std::string rest() const { return screen().substr(seen_); }

    // Waits until text appears after the text last waited for.
    ::testing::AssertionResult waitFor(std::string_view text) {
        const auto deadline = std::chrono::steady_clock::now() + Patience;
        for (;;) {
            const std::string shown = screen();
            if (const auto at = shown.find(text, seen_); at != std::string::npos) {
                seen_ = at + text.size();
                return ::testing::AssertionSuccess();
            }
            if (std::chrono::steady_clock::now() > deadline || (exited() && !pump(0))) {
                std::string after = rest();
                if (after.size() > 1000) after = "..." + after.substr(after.size() - 1000);
                return ::testing::AssertionFailure() << "never shown: \"" << text << "\"\nafter: \"" << after << '"';
            }
            pump(100);
        }
    }

    // Waits until the program has put the terminal into its single-key mode:
    // from then on a key is read as soon as it is pressed, and not echoed.
    ::testing::AssertionResult waitForKeyWait() {
        const auto deadline = std::chrono::steady_clock::now() + Patience;
        while ((mode().c_lflag & ICANON) != 0) {
            if (exited()) return ::testing::AssertionFailure() << "the program ended instead of waiting for a key";
            if (std::chrono::steady_clock::now() > deadline) {
                return ::testing::AssertionFailure() << "the terminal never left line mode";
            }
            pump(10);
        }
        return ::testing::AssertionSuccess();
    }

    // The wait status once the program has ended; nothing if it goes on.
    std::optional<int> waitForExit() {
        const auto deadline = std::chrono::steady_clock::now() + Patience;
        while (!exited() && std::chrono::steady_clock::now() < deadline) pump(20);
        while (pump(0)) {
        }
        return status_;
    }

    [[nodiscard]] termios mode() const {
        termios current{};
        ::tcgetattr(terminal_, &current);
        return current;
    }

private:
    bool exited() {
        if (!status_ && child_ > 0) {
            int status = 0;
            if (::waitpid(child_, &status, WNOHANG) == child_) status_ = status;
        }
        return status_.has_value();
    }

    // Takes what the program has written, waiting at most timeoutMs for it;
    // the program never blocks on a full terminal while the test waits.
    bool pump(int timeoutMs) {
        pollfd ready{master_, POLLIN, 0};
        if (::poll(&ready, 1, timeoutMs) <= 0) return false;
        std::array<char, 4096> buffer{};
        const ssize_t received = ::read(master_, buffer.data(), buffer.size());
        if (received <= 0) return false;
        raw_.append(buffer.data(), static_cast<std::size_t>(received));
        return true;
    }

    static void writeAll(int fd, std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            ASSERT_GT(written, 0) << std::strerror(errno);
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    int master_ = -1;
    int terminal_ = -1;
    int input_ = -1;
    pid_t child_ = -1;
    std::optional<int> status_;
    std::string raw_;
    std::size_t seen_ = 0;
};

}  // namespace tessarivand::testing
