#pragma once

#include <array>
#include <cstddef>

namespace tessarivand::console {

// What one key press delivers, in the codes that the end prompt judges. A
// printable key is one code, its byte. A key that the terminal sends as an
// escape sequence, or that a console reports without a character (arrows,
// function keys, Page Up/Down, Insert, Delete, Alt+letter), is two codes,
// LeadCode then SecondCode, neither of them a letter. A lone Esc is one code
// (27); a character beyond ASCII is one code, OtherCharacterCode.
struct KeyPress {
    static constexpr int LeadCode = 224;
    static constexpr int SecondCode = 0;
    static constexpr int OtherCharacterCode = 0xFFFD;

    std::array<int, 2> codes{};
    std::size_t count = 0;
};

// Waits for one key press on the controlling terminal, at once, without
// Enter and without echo; standard output is flushed first and standard
// input is left alone. The terminal's mode is restored before returning, and
// also when a signal ends the wait. Without a controlling terminal, the key
// is the next byte of standard input. At end of input, or when the terminal
// is gone, the program ends there (status 1).
KeyPress readKey();

}  // namespace tessarivand::console
