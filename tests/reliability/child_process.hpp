#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace tessarivand::testing {

// How the program is started: in a session of its own (so with no
// controlling terminal), its standard streams taken from files, closed, or
// (for standard output) a pipe whose reader leaves early, as `| head -c N` does.
struct ChildSetup {
    std::string standardInput;                 // a file or a directory; empty: closed
    std::string standardOutput = "/dev/null";  // empty: closed
    std::string standardError = "/dev/null";
    // Above 0: standard output is a pipe; this many bytes are read from it,
    // then the reading end is closed.
    std::size_t outputReadBeforeClosing = 0;
    bool sigpipeIgnored = false;
    std::chrono::seconds limit{60};      // then the child is killed: a hang
    std::vector<std::string> arguments;  // the program's, after its name
};

struct ChildEnd {
    bool timedOut = false;
    bool exited = false;  // ended by exit, with status; otherwise by signal
    int status = -1;
    int signal = 0;
    long peakKilobytes = 0;    // the child's largest resident set
    bool fixedLayout = false;  // run without address-space randomization
};

ChildEnd runChild(const std::string& program, const ChildSetup& setup);

// Is the program built with AddressSanitizer? Then its resident memory holds
// the shadow and the quarantine of freed blocks, and says nothing of its own.
constexpr bool builtWithAddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

// A fresh directory for one test's files, removed with the object.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    ~TemporaryDirectory();
    [[nodiscard]] std::string file(const std::string& name) const { return path_ + "/" + name; }
    [[nodiscard]] const std::string& path() const { return path_; }

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

// Writes input into dir's file "in" and sets the child up to read it, with its
// standard output and error going to dir's files "out" and "err".
ChildSetup setupOnFiles(const TemporaryDirectory& dir, const std::string& input, std::chrono::seconds limit);

}  // namespace tessarivand::testing
