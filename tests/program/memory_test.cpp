// Resuming gives back the storage of the run before: the memory in use does
// not grow with the number of runs.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <string_view>

namespace {

// One run (P = 1 of degree 0, µ = 1, then 4) repeated, resumed with r and
// finally quit with q. Without a terminal the key is the next input byte.
std::string runs(int count) {
    std::string script;
    for (int i = 1; i <= count; ++i) {
        script += "0\n1\n1\n4\n";
        script += i < count ? "r\n" : "q";
    }
    return script;
}

struct Outcome {
    int status = -1;
    long peakKiB = 0;  // largest resident set of the process's life
};

// Runs program (or, when null, a child that ends at once) with input as its
// standard input, in a session without a terminal, output discarded.
Outcome run(const char* program, const std::string& input) {
    Outcome outcome;
    const int script = ::memfd_create("script", MFD_CLOEXEC);
    if (script < 0 || ::write(script, input.data(), input.size()) != static_cast<ssize_t>(input.size()) ||
        ::lseek(script, 0, SEEK_SET) != 0) {
        ADD_FAILURE() << "cannot prepare the script";
        return outcome;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        const int nowhere = ::open("/dev/null", O_WRONLY);
        ::dup2(script, STDIN_FILENO);
        ::dup2(nowhere, STDOUT_FILENO);
        ::dup2(nowhere, STDERR_FILENO);
        if (program != nullptr) ::execl(program, program, static_cast<char*>(nullptr));
        ::_exit(program != nullptr ? 127 : 0);
    }
    ::close(script);
    rusage usage{};
    ::wait4(child, &outcome.status, 0, &usage);
    outcome.peakKiB = usage.ru_maxrss;
    return outcome;
}

TEST(Memory, TwoHundredResumesUseNoMoreThanTen) {
    // The peak of a child counts the pages that it shared with this test
    // process before exec; it says something about the program only when
    // the program's own peak is above that floor.
    const Outcome floor = run(nullptr, "");
    const Outcome ten = run(TESSARIVAND_PROGRAM, runs(10));
    const Outcome twoHundred = run(TESSARIVAND_PROGRAM, runs(200));
    ASSERT_EQ(ten.status, 0);
    ASSERT_EQ(twoHundred.status, 0);
    ASSERT_GT(ten.peakKiB, floor.peakKiB) << "the measure shows this test process, not the program";

    // Each run creates a P of 1000 doubles (about 8 KiB, touched by its
    // construction): keeping those of the 190 extra runs would add about
    // 1.5 MiB. Without a leak the two peaks differ by a few pages of
    // allocator and stack noise. 256 KiB lies well between the two.
    constexpr long BoundKiB = 256;
    EXPECT_LE(twoHundred.peakKiB - ten.peakKiB, BoundKiB)
        << "10 runs: " << ten.peakKiB << " KiB, 200 runs: " << twoHundred.peakKiB << " KiB";
}

}  // namespace
