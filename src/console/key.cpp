#include "tessarivand/console/key.hpp"

#include <algorithm>
#include <array>
#include <iostream>

#include "key_native.hpp"
#include "tessarivand/console/streams.hpp"
#include "test_seams.hpp"
#include "utf8.hpp"

namespace tessarivand::console {

namespace {

// Past this many bytes an escape sequence is taken as ended, whatever follows.
constexpr int MaxSequenceBytes = 32;

bool isFinalByteOfControlSequence(unsigned char byte) { return byte >= 0x40 && byte <= 0x7E; }

// The rest of an escape sequence, consumed so that none of it counts as a
// key of its own. Returns false for a lone Esc.
bool consumeEscapeSequence(FollowingByte next) {
    unsigned char byte = 0;
    if (!next(byte)) return false;
    if (byte == '[') {
        for (int i = 0; i < MaxSequenceBytes; ++i) {
            if (!next(byte) || isFinalByteOfControlSequence(byte)) break;
        }
    } else if (byte == 'O') {
        next(byte);
    }
    return true;  // Alt+letter is Esc and the letter
}

KeyPress readKeyFromStandardInput() {
    const int next = std::cin.get();
    if (next == std::char_traits<char>::eof()) endOfInput();
    return oneCode(static_cast<unsigned char>(next));
}

KeySource keySource = KeySource::terminalWhenPresent;

// Keys that only change what the others type: no answer of their own.
// Shift, Ctrl, Alt, Caps Lock, the Windows keys, Num Lock, Scroll Lock, then
// each side's Shift, Ctrl and Alt.
constexpr std::array<int, 14> ModifierKeys = {0x10, 0x11, 0x12, 0x14, 0x5B, 0x5C, 0x90,
                                              0x91, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5};

bool isModifierKey(int virtualKey) {
    return std::find(ModifierKeys.begin(), ModifierKeys.end(), virtualKey) != ModifierKeys.end();
}

bool isLetterKey(int virtualKey) { return virtualKey >= 'A' && virtualKey <= 'Z'; }

// A console reports such a key as a lead code and a second code of its own,
// which may be a letter's code (Page Down's is 'Q'). The second code given
// here is never a letter, so that such a key is two wrong answers and never
// quits or resumes.
KeyPress twoCodes() { return KeyPress{{KeyPress::LeadCode, KeyPress::SecondCode}, 2}; }

}  // namespace

KeyPress oneCode(int code) {
    KeyPress key;
    key.codes[0] = code;
    key.count = 1;
    return key;
}

KeyPress judgeTerminalBytes(unsigned char first, FollowingByte next) {
    constexpr unsigned char Escape = 0x1B;
    if (first == Escape) {
        return consumeEscapeSequence(next) ? twoCodes() : oneCode(Escape);
    }
    if (const std::size_t length = utf8::sequenceLength(first); length > 1) {
        unsigned char byte = 0;
        for (std::size_t i = 1; i < length; ++i) next(byte);
        return oneCode(KeyPress::OtherCharacterCode);
    }
    return oneCode(first);
}

std::optional<KeyPress> judgeKeyEvent(const KeyEvent& event) {
    constexpr char16_t FirstLowSurrogate = 0xDC00;
    constexpr char16_t LastLowSurrogate = 0xDFFF;
    if (!event.pressed || isModifierKey(event.virtualKey)) return std::nullopt;
    // A character beyond the first plane comes as two events, one per half.
    if (event.character >= FirstLowSurrogate && event.character <= LastLowSurrogate) return std::nullopt;
    if (event.altHeld && isLetterKey(event.virtualKey)) return twoCodes();
    if (event.character == 0) return twoCodes();  // arrows, function keys, Insert, Delete...
    if (event.character >= 0x80) return oneCode(KeyPress::OtherCharacterCode);
    return oneCode(event.character);
}

void setKeySource(KeySource source) { keySource = source; }

KeyPress readKey() {
    std::cout.flush();
    if (keySource == KeySource::terminalWhenPresent) {
        const native::TerminalKey terminal = native::readTerminalKey();
        using Outcome = native::TerminalKey::Outcome;
        if (terminal.outcome == Outcome::pressed) return terminal.key;
        if (terminal.outcome == Outcome::terminalGone) endOfInput();  // the terminal has gone, so end of input
    }
    return readKeyFromStandardInput();
}

}  // namespace tessarivand::console
