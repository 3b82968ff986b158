// One full session, cut after each of its bytes: wherever the input stops,
// the program ends by itself, at once, with status 0 or 1; cut at a line end,
// it has written exactly the beginning of what the full session writes.
#include <gtest/gtest.h>

#include <string>

#include "reliability.hpp"

namespace {

using namespace tessarivand::testing;

struct SessionRun {
    ChildEnd end;
    std::string out;
    std::string err;
};

SessionRun runOn(const TemporaryDirectory& dir, const std::string& input) {
    const ChildEnd end = runChild(programPath(), setupOnFiles(dir, input, std::chrono::seconds(20)));
    return {end, readFile(dir.file("out")), readFile(dir.file("err"))};
}

TEST(CutOffInput, EveryPrefixOfAFullSessionEndsAtOnceAndWritesABeginningOfIt) {
    const std::string session = readFile(sessionPath("full_session"));
    ASSERT_GT(session.size(), 100U);
    const TemporaryDirectory dir;
    const SessionRun full = runOn(dir, session);
    ASSERT_TRUE(full.end.exited && full.end.status == 0) << "the full session ends by quitting";

    for (std::size_t length = 0; length < session.size(); ++length) {
        const std::string prefix = session.substr(0, length);
        const SessionRun cut = runOn(dir, prefix);
        // A hang would make every later prefix hang too: stop at the first.
        ASSERT_FALSE(cut.end.timedOut) << "hangs when cut after " << length << " bytes";
        ASSERT_TRUE(cut.end.exited) << "signal " << cut.end.signal << " when cut after " << length << " bytes";
        ASSERT_TRUE(cut.end.status == 0 || cut.end.status == 1) << "status " << cut.end.status << " at " << length;
        if (cut.end.status == 1) {
            EXPECT_TRUE(cut.err.ends_with(EndOfInputNotice)) << "no end notice when cut after " << length;
        }
        if (length == 0 || session[length - 1] == '\n') {
            EXPECT_TRUE(full.out.starts_with(cut.out)) << "output cut after " << length << " bytes is not a beginning";
        }
    }
}

}  // namespace
