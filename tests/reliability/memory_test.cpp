// Nothing survives from one run to the next: a thousand runs in one process
// reach the same peak of memory as ten.
#include <gtest/gtest.h>

#include <string>

#include "reliability.hpp"

namespace {

using namespace tessarivand::testing;

// One run with every menu choice: P of degree 3 and µ, then µ only, P only,
// P and µ, and leave.
constexpr const char* EveryChoice =
    "3\n1\n2\n3\n4\n2\n"
    "3\n1.5\n"
    "2\n1\n5\n6\n"
    "1\n0\n7\n-1\n"
    "4\n";

ChildEnd runFor(const TemporaryDirectory& dir, int runs) {
    std::string input;
    for (int run = 1; run < runs; ++run) input += std::string(EveryChoice) + "r";
    input += std::string(EveryChoice) + "q";
    writeFile(dir.file("in"), input);
    ChildSetup setup;
    setup.standardInput = dir.file("in");
    setup.limit = std::chrono::seconds(120);
    const ChildEnd end = runChild(programPath(), setup);
    EXPECT_FALSE(end.timedOut);
    EXPECT_TRUE(end.exited && end.status == 0) << "status " << end.status << ", signal " << end.signal;
    return end;
}

TEST(MemoryAcrossRuns, AThousandResumesPeakWhereTenDo) {
    if (builtWithAddressSanitizer()) {
        GTEST_SKIP() << "the sanitizer's quarantine keeps freed blocks: resident memory grows by design";
    }
    const TemporaryDirectory dir;
    const ChildEnd ten = runFor(dir, 10);
    const ChildEnd thousand = runFor(dir, 1000);
    // Without address-space randomization the peak is the same to the page;
    // with it, it moves by some tens of kilobytes between any two runs. A
    // run's polynomial alone is 8 KB: any of it kept per run would cost
    // megabytes here.
    const long toleranceKilobytes = ten.fixedLayout && thousand.fixedLayout ? 8 : 256;
    EXPECT_LE(thousand.peakKilobytes, ten.peakKilobytes + toleranceKilobytes)
        << "ten runs: " << ten.peakKilobytes << " KB, a thousand: " << thousand.peakKilobytes << " KB";
}

}  // namespace
