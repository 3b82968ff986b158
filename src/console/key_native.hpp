#pragma once

#include <optional>
#include <type_traits>

#include "tessarivand/console/key.hpp"

// The key press between key.cpp, which all platforms share, and the file of
// each platform (key_posix.cpp, key_windows.cpp, key_web.cpp).
namespace tessarivand::console {

// Bytes of one escape sequence or character arrive together; a pause this
// long means the key has ended.
inline constexpr int FollowingByteWaitMs = 50;

namespace native {

// What the terminal, console or page gave for one key press.
struct TerminalKey {
    enum class Outcome {
        noTerminal,    // nothing to read from: the key comes from standard input
        terminalGone,  // it went while the key was awaited: end of input
        pressed,
    };
    Outcome outcome = Outcome::noTerminal;
    KeyPress key{};
};

// One key press from the terminal, console or page itself, at once, without
// Enter and without echo, its mode restored before returning.
TerminalKey readTerminalKey();

// The key pressed, or the terminal gone when there is none.
inline TerminalKey pressedOrGone(const std::optional<KeyPress>& key) {
    if (!key) return {TerminalKey::Outcome::terminalGone};
    return {TerminalKey::Outcome::pressed, *key};
}

}  // namespace native

// A callable that reads one byte into its argument, true when it did.
template <typename Read>
concept ByteReader = std::is_object_v<Read> && std::is_invocable_r_v<bool, const Read&, unsigned char&>;

// Where a platform reads a terminal's bytes, the one after the first of a key
// press, waiting FollowingByteWaitMs at most; false when none came in that
// moment. It refers to the platform's callable, which must outlive it: pass
// it as an argument, never keep it.
class FollowingByte {
public:
    template <ByteReader Read>
    FollowingByte(const Read& read)
        : read_(&read), call_([](const void* object, unsigned char& byte) -> bool {
              return (*static_cast<const Read*>(object))(byte);
          }) {}

    bool operator()(unsigned char& byte) const { return call_(read_, byte); }

private:
    const void* read_;
    bool (*call_)(const void* object, unsigned char& byte);
};

// Judges the bytes of one key press as a terminal sends them, from its first
// byte: a printable byte is its own code; an escape sequence (arrows,
// function keys, Alt with a letter) is the two codes of a two-code key; a
// lone Esc is one code; a character that UTF-8 sends as several bytes is one
// code that no answer accepts. The rest of the key is read with next.
KeyPress judgeTerminalBytes(unsigned char first, FollowingByte next);

// A key of one code.
KeyPress oneCode(int code);

// One event of a console's keyboard. Keys are numbered as virtual-key codes,
// the numbering that consoles and browsers report (Shift 16, A to Z 65 to
// 90); only the keys that type nothing are told apart by their number.
struct KeyEvent {
    bool pressed = false;
    int virtualKey = 0;
    char16_t character = 0;  // the UTF-16 unit that the key types, 0 for none
    bool altHeld = false;    // Alt without Ctrl: Ctrl with Alt types characters
};

// Judges one keyboard event: nothing for a release or a modifier key alone;
// otherwise the key press it stands for, in the codes that a terminal's bytes
// give (judgeTerminalBytes), so that every platform's key means the same.
std::optional<KeyPress> judgeKeyEvent(const KeyEvent& event);

}  // namespace tessarivand::console
