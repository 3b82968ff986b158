#pragma once

#include <cstddef>

// The shape of UTF-8, for whatever in the program judges its bytes one at a
// time: the console's transcoding and key presses, the end prompts' words.
namespace tessarivand::console::utf8 {

// Length of the sequence that starts with this byte: 1 for ASCII, 0 for a
// byte that cannot start one.
constexpr std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// A byte that continues a sequence.
constexpr bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace tessarivand::console::utf8
