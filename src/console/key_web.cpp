#include <emscripten.h>

#include "key_native.hpp"
#include "tessarivand/console/streams.hpp"

// The key of the end prompt, from the page's terminal (Module.terminal): its
// line discipline is switched to one key at once, without echo, for the wait.

namespace tessarivand::console {

namespace {

// The bytes of one escape sequence come in one piece of typed data; a pause
// this long means the key has ended.
constexpr int FollowingByteWaitMs = 50;
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

std::optional<KeyPress> native::readTerminalKey() {
    std::optional<KeyPress> key;
    {
        const KeyMode mode;
        const int first = terminalKeyByte(WaitForever);
        if (first >= 0) key = judgeTerminalBytes(static_cast<unsigned char>(first), followingByte);
    }
    if (!key) endOfInput();  // the page's input has ended
    return key;
}

}  // namespace tessarivand::console
