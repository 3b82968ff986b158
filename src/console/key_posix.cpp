#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <optional>

#include "key_native.hpp"

// The key of the end prompt on POSIX: read from /dev/tty in raw mode, with
// signal handlers that put the terminal back before a signal takes effect.

namespace tessarivand::console {

namespace {

constexpr std::array<int, 5> RestoringSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};

// The signal state, in one place: what the handler reads to put the terminal
// back, and the handlers it stands in for. A handler may call only async-signal-safe functions
// (tcsetattr, sigaction, sigprocmask, raise) and may read only what cannot
// change under it: rawFd is a volatile sig_atomic_t, set only while the
// terminal is raw, and the rest is written only with the restoring signals
// blocked (RestoringSignalsBlocked), before rawFd tells of it.
struct SignalState {
    volatile sig_atomic_t rawFd = -1;
    termios savedMode{};
    termios rawMode{};
    std::array<struct sigaction, RestoringSignals.size()> previousActions{};
};
SignalState signalState;

void restoreThenDeliver(int signal) {
    const int savedErrno = errno;
    const int fd = signalState.rawFd;
    if (fd >= 0) ::tcsetattr(fd, TCSANOW, &signalState.savedMode);
    // Let the signal do what it would have done, with the terminal sane.
    struct sigaction deflt {};
    deflt.sa_handler = SIG_DFL;
    ::sigemptyset(&deflt.sa_mask);
    struct sigaction mine {};
    ::sigaction(signal, &deflt, &mine);
    sigset_t unblock;
    ::sigemptyset(&unblock);
    ::sigaddset(&unblock, signal);
    ::sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
    ::raise(signal);
    // Only a stop comes back here, once the shell continues the program.
    ::sigaction(signal, &mine, nullptr);
    if (fd >= 0) ::tcsetattr(fd, TCSANOW, &signalState.rawMode);
    errno = savedErrno;
}

// Holds the restoring signals back for the life of the object, so that the
// raw state and what the handlers believe of it change together.
class RestoringSignalsBlocked {
public:
    RestoringSignalsBlocked() {
        sigset_t blocked;
        ::sigemptyset(&blocked);
        for (const int signal : RestoringSignals) ::sigaddset(&blocked, signal);
        ::sigprocmask(SIG_BLOCK, &blocked, &previous_);
    }
    RestoringSignalsBlocked(const RestoringSignalsBlocked&) = delete;
    RestoringSignalsBlocked& operator=(const RestoringSignalsBlocked&) = delete;
    ~RestoringSignalsBlocked() { ::sigprocmask(SIG_SETMASK, &previous_, nullptr); }

private:
    sigset_t previous_{};
};

// The terminal in raw input for the life of the object: no line editing, no
// echo; signals kept, so Ctrl-C still interrupts. No mode change flushes
// pending input: a key typed ahead of the prompt still counts.
class RawTerminal {
public:
    explicit RawTerminal(int fd) : fd_(fd) {
        // A stop between the handlers' start and the raw mode would come
        // back to a mode that the handlers do not know of yet.
        const RestoringSignalsBlocked blocked;
        // Without the saved mode there is nothing to come back to: leave
        // the terminal and the handlers alone.
        if (::tcgetattr(fd, &signalState.savedMode) != 0) return;
        termios& rawMode = signalState.rawMode;
        rawMode = signalState.savedMode;
        rawMode.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
        rawMode.c_cc[VMIN] = 1;
        rawMode.c_cc[VTIME] = 0;
        installHandlers();
        signalState.rawFd = fd;
        active_ = true;
        ::tcsetattr(fd, TCSANOW, &rawMode);
    }
    RawTerminal(const RawTerminal&) = delete;
    RawTerminal& operator=(const RawTerminal&) = delete;
    ~RawTerminal() {
        if (!active_) return;
        // Forget the raw state before restoring, with the signals held: a
        // stop that came during the restore would otherwise put the raw
        // mode back on its return. Held signals arrive after, with the
        // terminal sane and the previous handlers in place.
        const RestoringSignalsBlocked blocked;
        signalState.rawFd = -1;
        ::tcsetattr(fd_, TCSANOW, &signalState.savedMode);
        restoreHandlers();
    }

private:
    static void installHandlers() {
        struct sigaction action {};
        action.sa_handler = restoreThenDeliver;
        // One handler at a time: a second signal waits until the first has
        // left the terminal as it found it.
        ::sigemptyset(&action.sa_mask);
        for (const int signal : RestoringSignals) ::sigaddset(&action.sa_mask, signal);
        for (std::size_t i = 0; i < RestoringSignals.size(); ++i) {
            struct sigaction& previous = signalState.previousActions[i];
            ::sigaction(RestoringSignals[i], nullptr, &previous);
            // A signal that the program was started to ignore (nohup, a
            // background job) stays ignored: it cannot end the wait.
            if (previous.sa_handler != SIG_IGN) ::sigaction(RestoringSignals[i], &action, nullptr);
        }
    }
    static void restoreHandlers() {
        for (std::size_t i = 0; i < RestoringSignals.size(); ++i) {
            ::sigaction(RestoringSignals[i], &signalState.previousActions[i], nullptr);
        }
    }

    int fd_;
    bool active_ = false;
};

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    [[nodiscard]] int get() const { return fd_; }

private:
    int fd_;
};

enum class ReadResult { byte, nothing, closed };

// One byte from the terminal; waits at most timeoutMs (forever when
// negative).
ReadResult readByte(int fd, int timeoutMs, unsigned char& byte) {
    if (timeoutMs >= 0) {
        pollfd ready{fd, POLLIN, 0};
        int events = 0;
        do {
            events = ::poll(&ready, 1, timeoutMs);
        } while (events < 0 && errno == EINTR);
        if (events == 0) return ReadResult::nothing;
    }
    ssize_t received = 0;
    do {
        received = ::read(fd, &byte, 1);
    } while (received < 0 && errno == EINTR);
    return received == 1 ? ReadResult::byte : ReadResult::closed;
}

// Nothing when the terminal has gone before its first byte.
std::optional<KeyPress> readKeyFromTerminal(int fd) {
    const RawTerminal raw(fd);
    unsigned char first = 0;
    if (readByte(fd, -1, first) != ReadResult::byte) return std::nullopt;
    const auto next = [fd](unsigned char& byte) { return readByte(fd, FollowingByteWaitMs, byte) == ReadResult::byte; };
    return judgeTerminalBytes(first, next);
}

}  // namespace

native::TerminalKey native::readTerminalKey() {
    const FileDescriptor terminal(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (terminal.get() < 0 || ::isatty(terminal.get()) == 0) return {};
    return pressedOrGone(readKeyFromTerminal(terminal.get()));
}

}  // namespace tessarivand::console
