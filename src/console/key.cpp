#include "tessarivand/console/key.hpp"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iostream>

#include "tessarivand/console/streams.hpp"

namespace tessarivand::console {

namespace {

// Bytes of one escape sequence or character arrive together; a pause this
// long means the key has ended.
constexpr int FollowingByteWaitMs = 50;
constexpr int MaxSequenceBytes = 32;

// What the signal handlers need to put the terminal back. Set only while the
// terminal is raw.
volatile sig_atomic_t rawFd = -1;
termios savedMode{};
termios rawMode{};

constexpr std::array<int, 5> RestoringSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};
std::array<struct sigaction, RestoringSignals.size()> previousActions{};

void restoreThenDeliver(int signal) {
    const int savedErrno = errno;
    const int fd = rawFd;
    if (fd >= 0) ::tcsetattr(fd, TCSANOW, &savedMode);
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
    if (fd >= 0) ::tcsetattr(fd, TCSANOW, &rawMode);
    errno = savedErrno;
}

// The terminal in raw input for the life of the object: no line editing, no
// echo; signals kept, so Ctrl-C still interrupts. No mode change flushes
// pending input: a key typed ahead of the prompt still counts.
class RawTerminal {
public:
    explicit RawTerminal(int fd) : fd_(fd) {
        // Without the saved mode there is nothing to come back to: leave
        // the terminal and the handlers alone.
        if (::tcgetattr(fd, &savedMode) != 0) return;
        rawMode = savedMode;
        rawMode.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
        rawMode.c_cc[VMIN] = 1;
        rawMode.c_cc[VTIME] = 0;
        installHandlers();
        rawFd = fd;
        active_ = true;
        ::tcsetattr(fd, TCSANOW, &rawMode);
    }
    RawTerminal(const RawTerminal&) = delete;
    RawTerminal& operator=(const RawTerminal&) = delete;
    ~RawTerminal() {
        if (!active_) return;
        ::tcsetattr(fd_, TCSANOW, &savedMode);
        rawFd = -1;
        restoreHandlers();
    }

private:
    static void installHandlers() {
        struct sigaction action {};
        action.sa_handler = restoreThenDeliver;
        ::sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < RestoringSignals.size(); ++i) {
            ::sigaction(RestoringSignals[i], nullptr, &previousActions[i]);
            // A signal that the program was started to ignore (nohup, a
            // background job) stays ignored: it cannot end the wait.
            if (previousActions[i].sa_handler != SIG_IGN) ::sigaction(RestoringSignals[i], &action, nullptr);
        }
    }
    static void restoreHandlers() {
        for (std::size_t i = 0; i < RestoringSignals.size(); ++i) {
            ::sigaction(RestoringSignals[i], &previousActions[i], nullptr);
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

bool isFinalByteOfControlSequence(unsigned char byte) { return byte >= 0x40 && byte <= 0x7E; }

// The rest of an escape sequence, consumed so that none of it counts as a
// key of its own. Returns false for a lone Esc.
bool consumeEscapeSequence(int fd) {
    unsigned char byte = 0;
    if (readByte(fd, FollowingByteWaitMs, byte) != ReadResult::byte) return false;
    if (byte == '[') {
        for (int i = 0; i < MaxSequenceBytes; ++i) {
            if (readByte(fd, FollowingByteWaitMs, byte) != ReadResult::byte) break;
            if (isFinalByteOfControlSequence(byte)) break;
        }
    } else if (byte == 'O') {
        readByte(fd, FollowingByteWaitMs, byte);
    }
    return true;  // Alt+letter is Esc and the letter
}

std::size_t utf8Length(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 1;
}

KeyPress oneCode(int code) {
    KeyPress key;
    key.codes[0] = code;
    key.count = 1;
    return key;
}

KeyPress readKeyFromTerminal(int fd) {
    unsigned char byte = 0;
    KeyPress key;
    {
        const RawTerminal raw(fd);
        if (readByte(fd, -1, byte) != ReadResult::byte) {
            key.count = 0;
        } else if (byte == 0x1B) {
            key = consumeEscapeSequence(fd) ? KeyPress{{KeyPress::LeadCode, KeyPress::SecondCode}, 2} : oneCode(0x1B);
        } else if (const std::size_t length = utf8Length(byte); length > 1) {
            for (std::size_t i = 1; i < length; ++i) readByte(fd, FollowingByteWaitMs, byte);
            key = oneCode(KeyPress::OtherCharacterCode);
        } else {
            key = oneCode(byte);
        }
    }
    if (key.count == 0) endOfInput();  // the terminal has gone
    return key;
}

KeyPress readKeyFromStandardInput() {
    const int next = std::cin.get();
    if (next == std::char_traits<char>::eof()) endOfInput();
    return oneCode(static_cast<unsigned char>(next));
}

KeySource keySource = KeySource::terminalWhenPresent;

}  // namespace

void setKeySource(KeySource source) { keySource = source; }

KeyPress readKey() {
    std::cout.flush();
    if (keySource == KeySource::standardInput) {
        return readKeyFromStandardInput();
    }
    const FileDescriptor terminal(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (terminal.get() < 0 || ::isatty(terminal.get()) == 0) {
        return readKeyFromStandardInput();
    }
    return readKeyFromTerminal(terminal.get());
}

}  // namespace tessarivand::console
