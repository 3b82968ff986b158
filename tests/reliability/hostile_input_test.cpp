// Input that no user types: huge lines, binary bytes, a million lines, and
// standard streams that are not what a dialogue expects. The program must
// neither crash nor hang nor grow, and must end with status 0 or 1 (or by
// SIGPIPE once nobody reads its output).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <string>

#include "reliability.hpp"

namespace {

using namespace tessarivand::testing;

// The memory of a short session plus this is the most that any input may cost.
constexpr long MemoryMarginKilobytes = 2048;

constexpr std::size_t HugeLine = std::size_t{20} * 1024 * 1024;
// At the end prompt every byte is a key press, answered with the whole prompt
// again: a line there is a few hundred thousand presses, not tens of millions.
constexpr std::size_t KeysOnOneLine = std::size_t{256} * 1024;

// A question of the dialogue: the input that leads to it, and the input that
// then finishes the session by quitting.
struct Question {
    const char* name;
    const char* before;
    const char* after;
    bool takesKeys;
};

constexpr auto Questions = std::to_array<Question>({
    {"Degree", "", "1\n2\n3\n4\n4\nq", false},
    {"Coefficient", "1\n", "2\n3\n4\n4\nq", false},
    {"LeadingCoefficientAgain", "1\n0\n3\n", "2\n4\n4\nq", false},
    {"Mu", "1\n2\n3\n", "4\n4\nq", false},
    {"MenuChoice", "1\n2\n3\n4\n", "4\nq", false},
    {"EndKey", "1\n2\n3\n4\n4\n", "q", true},
});

// Every byte that is neither a line end nor a letter nor a digit: NUL,
// control bytes, 0x80 to 0xFF, and UTF-8 that is not valid (overlong, a
// surrogate, a lone continuation byte, a sequence cut short).
std::string binaryLine() {
    std::string line;
    for (int byte = 0; byte < 256; ++byte) {
        const bool plain = byte == '\n' || (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= 'a' && byte <= 'z');
        if (!plain) line.push_back(static_cast<char>(byte));
    }
    line += "\xC0\x80\xED\xA0\x80\x80\xBF\xE2\x82\xF4\x90\x80\x80";
    return line;
}

struct LineKind {
    const char* name;
    std::string (*make)(std::size_t length);
};

constexpr auto LineKinds = std::to_array<LineKind>({
    {"Digits", [](std::size_t n) { return std::string(n, '7'); }},
    {"Letters", [](std::size_t n) { return std::string(n, 'z'); }},
    {"Binary",
     [](std::size_t n) {
         std::string line;
         while (line.size() < n) line += binaryLine();
         return line;
     }},
});

void PrintTo(const Question& question, std::ostream* os) { *os << question.name; }
void PrintTo(const LineKind& kind, std::ostream* os) { *os << kind.name; }

ChildEnd runOnInput(const TemporaryDirectory& dir, const std::string& input) {
    writeFile(dir.file("in"), input);
    ChildSetup setup;
    setup.standardInput = dir.file("in");
    setup.limit = std::chrono::seconds(240);
    return runChild(programPath(), setup);
}

// What a short session costs: the measure for the margin above.
long shortSessionKilobytes() {
    static const long Measured = [] {
        const TemporaryDirectory dir;
        return runOnInput(dir, "1\n2\n3\n4\n4\nq").peakKilobytes;
    }();
    return Measured;
}

void expectQuitWithinMemory(const ChildEnd& end) {
    ASSERT_FALSE(end.timedOut);
    ASSERT_TRUE(end.exited) << "ended by signal " << end.signal;
    EXPECT_EQ(end.status, 0) << "the session after the line did not reach its end";
    if (!builtWithAddressSanitizer()) {
        EXPECT_LE(end.peakKilobytes, shortSessionKilobytes() + MemoryMarginKilobytes);
    }
}

class HostileLine : public ::testing::TestWithParam<std::tuple<Question, LineKind>> {};

TEST_P(HostileLine, IsRefusedAndTheSessionGoesOnWithinBoundedMemory) {
    const auto& [question, kind] = GetParam();
    const std::string line = kind.make(question.takesKeys ? KeysOnOneLine : HugeLine);
    const TemporaryDirectory dir;
    expectQuitWithinMemory(runOnInput(dir, question.before + line + "\n" + question.after));
}

INSTANTIATE_TEST_SUITE_P(AtEveryQuestion, HostileLine,
                         ::testing::Combine(::testing::ValuesIn(Questions), ::testing::ValuesIn(LineKinds)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
                         });

class MillionEmptyLines : public ::testing::TestWithParam<Question> {};

TEST_P(MillionEmptyLines, AreSkippedWithinBoundedMemory) {
    const Question& question = GetParam();
    const TemporaryDirectory dir;
    expectQuitWithinMemory(runOnInput(dir, question.before + std::string(1000000, '\n') + question.after));
}

// At the end prompt an empty line is a key press like any other.
INSTANTIATE_TEST_SUITE_P(AtEveryNumberQuestion, MillionEmptyLines,
                         ::testing::ValuesIn(Questions.begin(), Questions.begin() + 5),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MillionWrongMenuAnswers, AreEachAnsweredWithinBoundedMemory) {
    std::string input = "1\n2\n3\n4\n";
    for (int i = 0; i < 500000; ++i) input += "x\n9\n";  // standard error, then standard output
    input += "4\nq";
    const TemporaryDirectory dir;
    expectQuitWithinMemory(runOnInput(dir, input));
}

TEST(CarriageReturnLineFeed, EndsEveryAnswerAsALineFeedDoes) {
    std::string input;
    for (const char c : readFile(sessionPath("full_session"))) {
        if (c == '\n') input += '\r';
        input += c;
    }
    const TemporaryDirectory dir;
    expectQuitWithinMemory(runOnInput(dir, input));
}

ChildEnd runWithStandardInput(const std::string& path) {
    ChildSetup setup;
    setup.standardInput = path;
    setup.limit = std::chrono::seconds(30);
    return runChild(programPath(), setup);
}

TEST(StandardInput, ThatIsADirectoryIsTheEndOfInput) {
    const TemporaryDirectory dir;
    const ChildEnd end = runWithStandardInput(dir.path());
    ASSERT_FALSE(end.timedOut);
    ASSERT_TRUE(end.exited) << "ended by signal " << end.signal;
    EXPECT_EQ(end.status, 1);
}

TEST(StandardInput, ThatIsClosedIsTheEndOfInput) {
    const ChildEnd end = runWithStandardInput("");
    ASSERT_FALSE(end.timedOut);
    ASSERT_TRUE(end.exited) << "ended by signal " << end.signal;
    EXPECT_EQ(end.status, 1);
}

// Output enough to fill any pipe: the full session, then a million wrong
// menu answers.
std::string longSession() {
    std::string input = "1\n2\n3\n4\n";
    for (int i = 0; i < 500000; ++i) input += "9\n";
    return input + "4\nq";
}

ChildEnd runWithOutputClosedAfter(const TemporaryDirectory& dir, std::size_t bytes, bool sigpipeIgnored) {
    writeFile(dir.file("in"), longSession());
    ChildSetup setup;
    setup.standardInput = dir.file("in");
    setup.outputReadBeforeClosing = bytes;
    setup.sigpipeIgnored = sigpipeIgnored;
    setup.limit = std::chrono::seconds(60);
    return runChild(programPath(), setup);
}

TEST(StandardOutput, ClosedEarlyEndsTheProgramBySigpipe) {
    const TemporaryDirectory dir;
    const ChildEnd end = runWithOutputClosedAfter(dir, 100, false);
    ASSERT_FALSE(end.timedOut);
    EXPECT_TRUE(end.exited ? end.status == 1 : end.signal == SIGPIPE)
        << "status " << end.status << ", signal " << end.signal;
}

TEST(StandardOutput, ClosedEarlyWithSigpipeIgnoredEndsTheProgramWithStatusOne) {
    const TemporaryDirectory dir;
    const ChildEnd end = runWithOutputClosedAfter(dir, 100, true);
    ASSERT_FALSE(end.timedOut);
    ASSERT_TRUE(end.exited) << "ended by signal " << end.signal;
    EXPECT_EQ(end.status, 1);
}

// Standard output that takes nothing: closed, or a device that is always full.
class UnwritableOutput : public ::testing::TestWithParam<const char*> {};

TEST_P(UnwritableOutput, EndsTheProgramWithStatusOneAndSaysWhyOnStandardError) {
    const TemporaryDirectory dir;
    writeFile(dir.file("in"), longSession());
    ChildSetup setup;
    setup.standardInput = dir.file("in");
    setup.standardOutput = GetParam();
    setup.standardError = dir.file("err");
    setup.limit = std::chrono::seconds(60);
    const ChildEnd end = runChild(programPath(), setup);
    ASSERT_FALSE(end.timedOut);
    ASSERT_TRUE(end.exited) << "ended by signal " << end.signal;
    EXPECT_EQ(end.status, 1);
    const std::string error = readFile(dir.file("err"));
    EXPECT_TRUE(
        error.starts_with("\n \x90"
                          "criture impossible sur la sortie standard : "))
        << error;
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 2) << "one line after its line break";
}

INSTANTIATE_TEST_SUITE_P(Outputs, UnwritableOutput, ::testing::Values("", "/dev/full"),
                         [](const auto& info) { return std::string(*info.param == 0 ? "Closed" : "Full"); });

}  // namespace
