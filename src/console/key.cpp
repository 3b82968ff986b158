#include "tessarivand/console/key.hpp"

#include <iostream>

#include "key_native.hpp"
#include "tessarivand/console/streams.hpp"

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

std::size_t utf8Length(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 1;
}

KeyPress readKeyFromStandardInput() {
    const int next = std::cin.get();
    if (next == std::char_traits<char>::eof()) endOfInput();
    return oneCode(static_cast<unsigned char>(next));
}

KeySource keySource = KeySource::terminalWhenPresent;

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
        return consumeEscapeSequence(next) ? KeyPress{{KeyPress::LeadCode, KeyPress::SecondCode}, 2} : oneCode(Escape);
    }
    if (const std::size_t length = utf8Length(first); length > 1) {
        unsigned char byte = 0;
        for (std::size_t i = 1; i < length; ++i) next(byte);
        return oneCode(KeyPress::OtherCharacterCode);
    }
    return oneCode(first);
}

void setKeySource(KeySource source) { keySource = source; }

KeyPress readKey() {
    std::cout.flush();
    if (keySource == KeySource::terminalWhenPresent) {
        if (const std::optional<KeyPress> key = native::readTerminalKey()) return *key;
    }
    return readKeyFromStandardInput();
}

}  // namespace tessarivand::console
