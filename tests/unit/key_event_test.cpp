// The keys as the end prompt sees them: no answer, one code or two codes,
// from a console's keyboard events and from a terminal's bytes. Run on every
// platform, the console's own too, where the same table describes what its
// keys report.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "key_native.hpp"

namespace {

using tessarivand::console::judgeKeyEvent;
using tessarivand::console::judgeTerminalBytes;
using tessarivand::console::KeyEvent;
using tessarivand::console::KeyPress;

constexpr int Lead = KeyPress::LeadCode;
constexpr int Second = KeyPress::SecondCode;
constexpr int Other = KeyPress::OtherCharacterCode;

struct KeyCase {
    const char* name;
    KeyEvent event;
    std::vector<int> codes;  // empty: no answer
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

std::vector<int> codesOf(const KeyPress& key) {
    return {key.codes.begin(), key.codes.begin() + static_cast<std::ptrdiff_t>(key.count)};
}

class JudgeKeyEvent : public ::testing::TestWithParam<KeyCase> {};

TEST_P(JudgeKeyEvent, GivesTheCodesOfTheKey) {
    const KeyCase& c = GetParam();
    const std::optional<KeyPress> key = judgeKeyEvent(c.event);
    EXPECT_EQ(key ? codesOf(*key) : std::vector<int>{}, c.codes);
}

const std::vector<KeyCase> ConsoleKeyTable = {
    KeyCase{"LowerQ", {true, 'Q', u'q', false}, {'q'}},
    KeyCase{"UpperQ", {true, 'Q', u'Q', false}, {'Q'}},
    KeyCase{"LowerR", {true, 'R', u'r', false}, {'r'}},
    KeyCase{"Space", {true, 0x20, u' ', false}, {' '}},
    KeyCase{"Enter", {true, 0x0D, u'\r', false}, {'\r'}},
    KeyCase{"Escape", {true, 0x1B, 0x1B, false}, {0x1B}},
    KeyCase{"CtrlA", {true, 'A', 0x01, false}, {0x01}},
    KeyCase{"AltGrZeroTypesAt", {true, '0', u'@', false}, {'@'}},
    KeyCase{"AccentedLetter", {true, '2', u'é', false}, {Other}},
    KeyCase{"FirstHalfOfAnEmoji", {true, 0, 0xD83D, false}, {Other}},
    KeyCase{"SecondHalfOfAnEmoji", {true, 0, 0xDE00, false}, {}},
    KeyCase{"PageDown", {true, 0x22, 0, false}, {Lead, Second}},
    KeyCase{"PageUp", {true, 0x21, 0, false}, {Lead, Second}},
    KeyCase{"Insert", {true, 0x2D, 0, false}, {Lead, Second}},
    KeyCase{"Delete", {true, 0x2E, 0, false}, {Lead, Second}},
    KeyCase{"Home", {true, 0x24, 0, false}, {Lead, Second}},
    KeyCase{"End", {true, 0x23, 0, false}, {Lead, Second}},
    KeyCase{"LeftArrow", {true, 0x25, 0, false}, {Lead, Second}},
    KeyCase{"DownArrow", {true, 0x28, 0, false}, {Lead, Second}},
    KeyCase{"F1", {true, 0x70, 0, false}, {Lead, Second}},
    KeyCase{"F12", {true, 0x7B, 0, false}, {Lead, Second}},
    KeyCase{"AltQ", {true, 'Q', u'q', true}, {Lead, Second}},
    KeyCase{"AltR", {true, 'R', 0, true}, {Lead, Second}},
    KeyCase{"ShiftAlone", {true, 0x10, 0, false}, {}},
    KeyCase{"LeftCtrlAlone", {true, 0xA2, 0, false}, {}},
    KeyCase{"AltAlone", {true, 0x12, 0, true}, {}},
    KeyCase{"RightAltAlone", {true, 0xA5, 0, true}, {}},
    KeyCase{"CapsLock", {true, 0x14, 0, false}, {}},
    KeyCase{"ReleaseOfQ", {false, 'Q', u'q', false}, {}},
    KeyCase{"ReleaseOfPageDown", {false, 0x22, 0, false}, {}},
};

INSTANTIATE_TEST_SUITE_P(ConsoleKeys, JudgeKeyEvent, ::testing::ValuesIn(ConsoleKeyTable),
                         [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

struct BytesCase {
    const char* name;
    std::string_view bytes;  // what the terminal has sent: the key, then the next key's
    std::vector<int> codes;
    std::size_t consumed;  // the key's own bytes
};

void PrintTo(const BytesCase& c, std::ostream* out) { *out << c.name; }

class JudgeTerminalBytes : public ::testing::TestWithParam<BytesCase> {};

TEST_P(JudgeTerminalBytes, TakesTheBytesOfOneKeyAndNoMore) {
    const BytesCase& c = GetParam();
    std::size_t taken = 1;
    const auto following = [&c, &taken](unsigned char& byte) {
        if (taken == c.bytes.size()) return false;  // the pause that ends a key
        byte = static_cast<unsigned char>(c.bytes[taken++]);
        return true;
    };
    EXPECT_EQ(codesOf(judgeTerminalBytes(static_cast<unsigned char>(c.bytes[0]), following)), c.codes);
    EXPECT_EQ(taken, c.consumed);
}

// Past 32 bytes a sequence is taken as ended.
const std::string EndlessSequence = "\x1B[" + std::string(40, '1');

const std::vector<BytesCase> TerminalByteTable = {
    BytesCase{"Letter", "qr", {'q'}, 1},
    BytesCase{"Escape", "\x1B", {0x1B}, 1},
    BytesCase{"UpArrow", "\x1B[Aq", {Lead, Second}, 3},
    BytesCase{"F1", "\x1BOPq", {Lead, Second}, 3},
    BytesCase{"AltQ", "\x1Bqr", {Lead, Second}, 2},
    BytesCase{"Delete", "\x1B[3~q", {Lead, Second}, 4},
    BytesCase{"PageDown", "\x1B[6~q", {Lead, Second}, 4},
    BytesCase{"F5", "\x1B[15~q", {Lead, Second}, 5},
    BytesCase{"ShiftF5", "\x1B[15;2~q", {Lead, Second}, 7},
    BytesCase{"CutSequence", "\x1B[", {Lead, Second}, 2},
    BytesCase{"EndlessSequence", EndlessSequence, {Lead, Second}, 34},
    BytesCase{"EAcute", "\xC3\xA9q", {Other}, 2},
    BytesCase{"Euro", "\xE2\x82\xACq", {Other}, 3},
};

INSTANTIATE_TEST_SUITE_P(TerminalKeys, JudgeTerminalBytes, ::testing::ValuesIn(TerminalByteTable),
                         [](const ::testing::TestParamInfo<BytesCase>& info) { return std::string(info.param.name); });

}  // namespace
