// The program on a real (pseudo-)terminal: UTF-8 texts, and the end key read
// from the terminal itself, at once, unechoed, with the terminal's mode put
// back afterwards.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

#include "terminal_session.hpp"

namespace {

using tessarivand::testing::StandardInput;
using tessarivand::testing::TerminalSession;

// One run typed on standard input: P = 5 (degree 0), µ = 1, then 4 in the menu.
constexpr std::string_view OneRun = "0\n5\n1\n4\n";

// The last line of the end prompt, after which the program waits for the key.
constexpr std::string_view EndPrompt = "  Appuyez sur 'Q' ou 'q' pour Quitter \n\n";
constexpr std::string_view WrongKey = "\n\n  FAITES ATTENTION !!!\n\n Votre saisie est FAUSSE  !!! \n\n";
constexpr std::string_view CreditsOpening = "\n\n                 ------------------------------------------\n\n";

std::size_t occurrences(const std::string& text, std::string_view part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

::testing::AssertionResult exitedWith(const std::optional<int>& status, int code) {
    if (!status) return ::testing::AssertionFailure() << "the program did not end";
    if (!WIFEXITED(*status))
        return ::testing::AssertionFailure() << "the program did not exit; wait status " << *status;
    if (WEXITSTATUS(*status) != code) return ::testing::AssertionFailure() << "exit status " << WEXITSTATUS(*status);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult killedBy(const std::optional<int>& status, int signal) {
    if (!status) return ::testing::AssertionFailure() << "the program did not end";
    if (!WIFSIGNALED(*status)) return ::testing::AssertionFailure() << "not ended by a signal; wait status " << *status;
    if (WTERMSIG(*status) != signal) return ::testing::AssertionFailure() << "ended by signal " << WTERMSIG(*status);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult sameMode(const termios& before, const termios& after) {
    if (before.c_iflag != after.c_iflag) return ::testing::AssertionFailure() << "input flags differ";
    if (before.c_oflag != after.c_oflag) return ::testing::AssertionFailure() << "output flags differ";
    if (before.c_cflag != after.c_cflag) return ::testing::AssertionFailure() << "control flags differ";
    if (before.c_lflag != after.c_lflag) return ::testing::AssertionFailure() << "local flags differ";
    if (std::memcmp(before.c_cc, after.c_cc, sizeof before.c_cc) != 0) {
        return ::testing::AssertionFailure() << "control characters differ";
    }
    if (cfgetispeed(&before) != cfgetispeed(&after) || cfgetospeed(&before) != cfgetospeed(&after)) {
        return ::testing::AssertionFailure() << "speeds differ";
    }
    return ::testing::AssertionSuccess();
}

// The terminal's usual line mode, with VMIN and VTIME set to values that the
// single-key mode changes, so that only a full restore gives them back.
termios distinctiveLineMode() {
    int master = -1;
    int terminal = -1;
    termios mode{};
    if (::openpty(&master, &terminal, nullptr, nullptr, nullptr) == 0) {
        ::tcgetattr(terminal, &mode);
        ::close(master);
        ::close(terminal);
    }
    mode.c_cc[VMIN] = 3;
    mode.c_cc[VTIME] = 7;
    return mode;
}

// A session whose numbers come from a pipe holding one run, already at the
// end prompt with the program waiting for the key.
void reachEndPrompt(TerminalSession& session, std::string_view input = OneRun) {
    session.feed(input);
    session.closeStandardInput();
    ASSERT_TRUE(session.waitFor(EndPrompt));
    ASSERT_TRUE(session.waitForKeyWait());
}

TEST(Terminal, ShowsTheTextsAsUtf8AndReadsTypedLines) {
    TerminalSession session;
    session.type("1\n3\n2\n1\n4\n");  // P = 3X + 2, µ = 1, leave
    ASSERT_TRUE(session.waitFor(EndPrompt));
    ASSERT_TRUE(session.waitForKeyWait());
    session.type("q");
    EXPECT_TRUE(exitedWith(session.waitForExit(), 0));

    const std::string screen = session.screen();
    EXPECT_NE(screen.find("Veuillez entrer un Nombre R\xC3\xA9"
                          "el :  \xC2\xB5 = "),
              std::string::npos);
    EXPECT_NE(screen.find("Le r\xC3\xA9sultat de la division"), std::string::npos);
    EXPECT_NE(screen.find("P(X) = (X - 1).(3) + (5)"), std::string::npos);
    // Neither é nor µ in code page 850.
    EXPECT_EQ(screen.find('\x82'), std::string::npos);
    EXPECT_EQ(screen.find('\xE6'), std::string::npos);
}

// Ctrl-D in the middle of a line hands over what was typed, without a line
// break; a second one reads as the end of the input, though the terminal still
// gives lines after it. The number is taken, and the program goes on reading:
// the rest of that line, then the next question.
TEST(Terminal, TakesANumberEndedByCtrlDMidLineAndGoesOnReading) {
    TerminalSession session;
    ASSERT_TRUE(session.waitFor("deg(P) = "));
    session.type("0\x04");
    session.type("\x04");
    session.type("\n");
    ASSERT_TRUE(session.waitFor("deg(P) = 0 \" ."));
    ASSERT_TRUE(session.waitFor("a[0]  =  "));
    session.type("5\n1\n4\n");
    ASSERT_TRUE(session.waitFor(EndPrompt));
    ASSERT_TRUE(session.waitForKeyWait());
    session.type("q");
    EXPECT_TRUE(exitedWith(session.waitForExit(), 0));
    EXPECT_NE(session.screen().find("P(X) = (X - 1).(0) + (5)"), std::string::npos);
}

class QuitKey : public ::testing::TestWithParam<char> {};

TEST_P(QuitKey, QuitsAtOnceWithoutEnterAndWithoutEcho) {
    TerminalSession session(StandardInput::pipe);
    reachEndPrompt(session);
    session.type(std::string(1, GetParam()));
    EXPECT_TRUE(exitedWith(session.waitForExit(), 0));
    EXPECT_EQ(session.rest(), "");  // nothing after the prompt: the letter is not shown
}

INSTANTIATE_TEST_SUITE_P(Letters, QuitKey, ::testing::Values('q', 'Q'));

class ResumeKey : public ::testing::TestWithParam<char> {};

TEST_P(ResumeKey, StartsANewRunFromTheCredits) {
    TerminalSession session(StandardInput::pipe);
    reachEndPrompt(session, std::string(OneRun) + "0\n6\n2\n4\n");
    session.type(std::string(1, GetParam()));
    ASSERT_TRUE(session.waitFor(EndPrompt));
    const std::string secondRun = session.screen().substr(session.screen().find(EndPrompt) + EndPrompt.size());
    EXPECT_TRUE(secondRun.starts_with(CreditsOpening));
    EXPECT_NE(secondRun.find("P(X) = (X - 2).(0) + (6)"), std::string::npos);
    EXPECT_EQ(secondRun.find(WrongKey), std::string::npos);
    ASSERT_TRUE(session.waitForKeyWait());
    session.type("q");
    EXPECT_TRUE(exitedWith(session.waitForExit(), 0));
}

INSTANTIATE_TEST_SUITE_P(Letters, ResumeKey, ::testing::Values('r', 'R'));

struct WrongKeyCase {
    const char* name;
    std::string_view bytes;  // what the terminal sends for the key
    std::size_t wrongAnswers;
};

void PrintTo(const WrongKeyCase& key, std::ostream* out) { *out << key.name; }

class WrongKeys : public ::testing::TestWithParam<WrongKeyCase> {};

// A key that is sent as an escape sequence counts as two wrong answers, and
// none of its bytes counts as a letter: Page Down ends in '~', and as the two
// codes 224 and 'Q' its second code would otherwise read as a quit.
TEST_P(WrongKeys, GiveTheirWrongAnswersAndNeitherQuitNorResume) {
    const WrongKeyCase& key = GetParam();
    TerminalSession session(StandardInput::pipe);
    reachEndPrompt(session);
    session.type(key.bytes);
    for (std::size_t i = 0; i < key.wrongAnswers; ++i) {
        ASSERT_TRUE(session.waitFor(WrongKey)) << "wrong answer " << i + 1;
        ASSERT_TRUE(session.waitFor(EndPrompt)) << "prompt after wrong answer " << i + 1;
    }
    ASSERT_TRUE(session.waitForKeyWait());
    session.type("q");
    EXPECT_TRUE(exitedWith(session.waitForExit(), 0));

    const std::string screen = session.screen();
    EXPECT_EQ(occurrences(screen, WrongKey), key.wrongAnswers);
    EXPECT_EQ(occurrences(screen, CreditsOpening), 1u);
}

INSTANTIATE_TEST_SUITE_P(Keys, WrongKeys,
                         ::testing::Values(WrongKeyCase{"UpArrow", "\x1B[A", 2}, WrongKeyCase{"PageDown", "\x1B[6~", 2},
                                           WrongKeyCase{"Insert", "\x1B[2~", 2}, WrongKeyCase{"F1", "\x1BOP", 2},
                                           WrongKeyCase{"ShiftF5", "\x1B[15;2~", 2}, WrongKeyCase{"AltQ", "\x1Bq", 2},
                                           WrongKeyCase{"Escape", "\x1B", 1}, WrongKeyCase{"EAcute", "\xC3\xA9", 1},
                                           WrongKeyCase{"Euro", "\xE2\x82\xAC", 1}, WrongKeyCase{"Enter", "\r", 1},
                                           WrongKeyCase{"Space", " ", 1}, WrongKeyCase{"Digit", "7", 1},
                                           WrongKeyCase{"OtherLetter", "x", 1}),
                         [](const ::testing::TestParamInfo<WrongKeyCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Terminal, TakesTheKeyFromTheTerminalAndLeavesRedirectedInputUnread) {
    TerminalSession session(StandardInput::pipe);
    // After the first run, standard input still holds a 'q' and a second run.
    // The 'q' must not be taken as the key: the second run reads it as its
    // degree and refuses it.
    reachEndPrompt(session, std::string(OneRun) + "q\n0\n6\n2\n4\n");
    session.type("r");
    ASSERT_TRUE(session.waitFor(CreditsOpening));
    ASSERT_TRUE(
        session.waitFor("Veuillez entrer de nouveau un \"Nombre Entier Naturel  Inf\xC3\xA9rieur \xC3\xA0 1000\""));
    ASSERT_TRUE(session.waitFor("P(X) = (X - 2).(0) + (6)"));
    ASSERT_TRUE(session.waitFor(EndPrompt));
    ASSERT_TRUE(session.waitForKeyWait());
    session.type("q");
    EXPECT_TRUE(exitedWith(session.waitForExit(), 0));
    EXPECT_EQ(occurrences(session.screen(), WrongKey), 0u);
}

TEST(Terminal, CountsAKeyPressedBeforeThePrompt) {
    TerminalSession session(StandardInput::pipe);
    // The program waits for the degree on its standard input, not on the
    // terminal, when the q is pressed: the terminal echoes it and holds it.
    ASSERT_TRUE(session.waitFor("deg(P) = "));
    session.type("q");
    ASSERT_TRUE(session.waitFor("q"));
    session.feed(OneRun);
    session.closeStandardInput();
    EXPECT_TRUE(exitedWith(session.waitForExit(), 0));
    EXPECT_EQ(occurrences(session.screen(), EndPrompt), 1u);
    EXPECT_EQ(occurrences(session.screen(), WrongKey), 0u);
}

// A terminal left out of line mode (stty -icanon) gives whatever has been
// typed at once: the program must still take only its line, and leave the
// key typed after it in the terminal for the end prompt.
TEST(Terminal, LeavesAKeyTypedAheadInATerminalOutOfLineMode) {
    termios characterMode = distinctiveLineMode();
    characterMode.c_lflag &= static_cast<tcflag_t>(~ICANON);
    characterMode.c_cc[VMIN] = 1;
    characterMode.c_cc[VTIME] = 0;
    TerminalSession session(StandardInput::terminal, &characterMode);
    ASSERT_TRUE(session.waitFor("deg(P) = "));
    session.type(std::string(OneRun) + "q");
    EXPECT_TRUE(exitedWith(session.waitForExit(), 0));
    EXPECT_EQ(occurrences(session.screen(), EndPrompt), 1u);
    EXPECT_EQ(occurrences(session.screen(), WrongKey), 0u);
}

TEST(Terminal, PutsTheModeBackWhenTheProgramEnds) {
    const termios before = distinctiveLineMode();
    TerminalSession session(StandardInput::pipe, &before);
    reachEndPrompt(session);
    EXPECT_EQ(session.mode().c_lflag & (ICANON | ECHO), 0u);
    session.type("x");
    ASSERT_TRUE(session.waitFor(WrongKey));
    ASSERT_TRUE(session.waitForKeyWait());
    session.type("Q");
    EXPECT_TRUE(exitedWith(session.waitForExit(), 0));
    EXPECT_TRUE(sameMode(before, session.mode()));
}

struct Interruption {
    const char* name;
    int signal;
    std::string_view typed;  // the control key that raises it, or nothing for kill()
};

void PrintTo(const Interruption& interruption, std::ostream* out) { *out << interruption.name; }

class InterruptedWait : public ::testing::TestWithParam<Interruption> {};

TEST_P(InterruptedWait, EndsByTheSignalWithTheModePutBack) {
    const Interruption& interruption = GetParam();
    const termios before = distinctiveLineMode();
    TerminalSession session(StandardInput::pipe, &before);
    reachEndPrompt(session);
    if (interruption.typed.empty()) {
        ASSERT_EQ(::kill(session.pid(), interruption.signal), 0);
    } else {
        session.type(interruption.typed);
    }
    EXPECT_TRUE(killedBy(session.waitForExit(), interruption.signal));
    EXPECT_TRUE(sameMode(before, session.mode()));
}

INSTANTIATE_TEST_SUITE_P(Signals, InterruptedWait,
                         ::testing::Values(Interruption{"CtrlC", SIGINT, "\x03"},
                                           Interruption{"CtrlBackslash", SIGQUIT, "\x1C"},
                                           Interruption{"Interrupt", SIGINT, ""},
                                           Interruption{"Terminate", SIGTERM, ""}, Interruption{"HangUp", SIGHUP, ""}),
                         [](const ::testing::TestParamInfo<Interruption>& info) {
                             return std::string(info.param.name);
                         });

// Started with the hang-up signal ignored (nohup), the program meets the closed
// terminal itself: it ends as at the end of its input, keeping the ignored
// signal ignored.
TEST(Terminal, EndsWithStatusOneWhenTheTerminalClosesDuringTheWait) {
    TerminalSession session(StandardInput::pipe, nullptr, true);
    reachEndPrompt(session);
    session.hangUp();
    EXPECT_TRUE(exitedWith(session.waitForExit(), 1));
}

}  // namespace
