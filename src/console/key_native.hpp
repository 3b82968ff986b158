#pragma once

#include <optional>

#include "tessarivand/console/key.hpp"

// The key press between key.cpp, which all platforms share, and the file of
// each platform (key_posix.cpp, key_windows.cpp, key_web.cpp).
namespace tessarivand::console {

namespace native {

// One key press from the terminal, console or page itself, at once, without
// Enter and without echo, its mode restored before returning. Nothing when
// the process has none to read from: the key then comes from standard input.
// Ends the program through endOfInput when the terminal has gone.
std::optional<KeyPress> readTerminalKey();

}  // namespace native

// Where a platform reads a terminal's bytes, the one after the first of a key
// press, waiting a moment at most; false when none came in that moment.
using FollowingByte = bool (*)(unsigned char& byte);

// Judges the bytes of one key press as a terminal sends them, from its first
// byte: a printable byte is its own code; an escape sequence (arrows,
// function keys, Alt with a letter) is the two codes of a two-code key; a
// lone Esc is one code; a character that UTF-8 sends as several bytes is one
// code that no answer accepts. The rest of the key is read with next.
KeyPress judgeTerminalBytes(unsigned char first, FollowingByte next);

// A key of one code.
KeyPress oneCode(int code);

}  // namespace tessarivand::console
