#include <windows.h>

#include <atomic>

#include "key_native.hpp"

// The key of the end prompt on Windows: the console's key events, with a
// control handler that puts the console's mode back.

namespace tessarivand::console {

namespace {

// What the control handler needs to put the console back. Set only while the
// console reads key events alone; whoever takes it first restores the mode.
std::atomic<HANDLE> keyModeConsole{nullptr};
std::atomic<DWORD> savedMode{0};

void restoreModeOnce() {
    HANDLE console = keyModeConsole.exchange(nullptr);
    if (console != nullptr) ::SetConsoleMode(console, savedMode.load());
}

// Ctrl-C, Ctrl-Break and the closing of the window end the program as
// usual (FALSE hands the event on), with the console as it was found.
BOOL WINAPI restoreThenHandOn(DWORD /*event*/) {
    restoreModeOnce();
    return FALSE;
}

// The console's input as key events for the life of the object: keys
// reported as keys, not as a terminal's sequences, and no mouse or window
// events; Ctrl-C still interrupts. No mode change flushes pending input: a
// key typed ahead of the prompt still counts.
class KeyEventsOnly {
public:
    explicit KeyEventsOnly(HANDLE console) {
        DWORD mode = 0;
        // Without the saved mode there is nothing to come back to.
        if (::GetConsoleMode(console, &mode) == 0) return;
        savedMode = mode;
        keyModeConsole = console;
        ::SetConsoleCtrlHandler(restoreThenHandOn, TRUE);
        constexpr DWORD NotWanted = ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | ENABLE_MOUSE_INPUT | ENABLE_WINDOW_INPUT |
                                    ENABLE_VIRTUAL_TERMINAL_INPUT;
        ::SetConsoleMode(console, (mode & ~NotWanted) | ENABLE_PROCESSED_INPUT);
    }
    KeyEventsOnly(const KeyEventsOnly&) = delete;
    KeyEventsOnly& operator=(const KeyEventsOnly&) = delete;
    ~KeyEventsOnly() {
        restoreModeOnce();
        ::SetConsoleCtrlHandler(restoreThenHandOn, FALSE);
    }
};

class ConsoleInput {
public:
    ConsoleInput()
        : handle_(::CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr)) {}
    ConsoleInput(const ConsoleInput&) = delete;
    ConsoleInput& operator=(const ConsoleInput&) = delete;
    ~ConsoleInput() {
        if (isOpen()) ::CloseHandle(handle_);
    }
    [[nodiscard]] bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// AltGr is Ctrl with Alt, and types characters: only Alt alone makes a
// two-code key of a letter.
KeyEvent keyEventOf(const KEY_EVENT_RECORD& record) {
    const DWORD state = record.dwControlKeyState;
    const bool alt = (state & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED)) != 0;
    const bool ctrl = (state & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED)) != 0;
    return {record.bKeyDown != 0, record.wVirtualKeyCode, static_cast<char16_t>(record.uChar.UnicodeChar),
            alt && !ctrl};
}

// Nothing when the console can no longer be read.
std::optional<KeyPress> waitForKey(HANDLE console) {
    const KeyEventsOnly mode(console);
    for (;;) {
        INPUT_RECORD record{};
        DWORD received = 0;
        if (::ReadConsoleInputW(console, &record, 1, &received) == 0 || received == 0) return std::nullopt;
        if (record.EventType != KEY_EVENT) continue;
        if (const std::optional<KeyPress> key = judgeKeyEvent(keyEventOf(record.Event.KeyEvent))) return key;
    }
}

}  // namespace

native::TerminalKey native::readTerminalKey() {
    const ConsoleInput console;
    DWORD mode = 0;
    if (!console.isOpen() || ::GetConsoleMode(console.get(), &mode) == 0) return {};
    return pressedOrGone(waitForKey(console.get()));
}

}  // namespace tessarivand::console
