#include <emscripten.h>

#include "key_native.hpp"

// The key of the end prompt, from the page's terminal (Module.terminal): its
// line discipline is switched to one key at once, without echo, for the wait.

namespace tessarivand::console {

namespace {

constexpr int WaitForever = -1;

// clang-format off
EM_JS(void, setTerminalKeyMode, (bool on), {
    Module.terminal.setKeyMode(on);
});

// The next typed byte, waiting waitMs at most (forever when negative);
// negative when none came in time or input has ended.
EM_ASYNC_JS(int, terminalKeyByte, (int waitMs), {
    return await Module.terminal.readKeyByte(waitMs);
});
// clang-format on

// The terminal in key mode for the life of the object. The page puts it back
// itself when the program is gone.
class KeyMode {
public:
    KeyMode() { setTerminalKeyMode(true); }
    KeyMode(const KeyMode&) = delete;
    KeyMode& operator=(const KeyMode&) = delete;
    ~KeyMode() { setTerminalKeyMode(false); }
};

bool followingByte(unsigned char& byte) {
    const int received = terminalKeyByte(FollowingByteWaitMs);
    if (received < 0) return false;
    byte = static_cast<unsigned char>(received);
    return true;
}

}  // namespace

// The page's terminal is always there; its input may have ended.
native::TerminalKey native::readTerminalKey() {
    const KeyMode mode;
    const int first = terminalKeyByte(WaitForever);
    if (first < 0) return {TerminalKey::Outcome::terminalGone};
    const auto next = [](unsigned char& byte) { return followingByte(byte); };
    return {TerminalKey::Outcome::pressed, judgeTerminalBytes(static_cast<unsigned char>(first), next)};
}

}  // namespace tessarivand::console
