#include <windows.h>

#include <string>

#include "native_io.hpp"

// The standard streams on Windows: a console through its Unicode interface,
// files and pipes with CR LF line ends, and the command line as UTF-16.

namespace tessarivand::console::native {

namespace {

// Pieces written or read at once: the console's calls take 32-bit counts.
constexpr DWORD MaxPiece = 1U << 20U;

HANDLE handleOf(Stream stream) {
    switch (stream) {
        case Stream::input:
            return ::GetStdHandle(STD_INPUT_HANDLE);
        case Stream::output:
            return ::GetStdHandle(STD_OUTPUT_HANDLE);
        case Stream::error:
            break;
    }
    return ::GetStdHandle(STD_ERROR_HANDLE);
}

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return ::GetConsoleMode(handle, &mode) != 0;
}

DWORD pieceOf(std::size_t size) { return size < MaxPiece ? static_cast<DWORD>(size) : MaxPiece; }

bool writeAll(HANDLE handle, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        if (::WriteFile(handle, bytes.data(), pieceOf(bytes.size()), &written, nullptr) == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

std::wstring utf16Of(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), length);
    return text;
}

std::string utf8Of(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

// What a console line read gave and the caller has not taken yet, as UTF-8.
std::string pendingConsoleInput;

// One line typed on the console, as UTF-8 whatever its code page, so that an
// accented letter survives. The console ends it with CR LF; the readers take
// CR LF as LF.
bool readConsoleLine(HANDLE console) {
    std::wstring line(4096, L'\0');
    DWORD received = 0;
    if (::ReadConsoleW(console, line.data(), static_cast<DWORD>(line.size()), &received, nullptr) == 0) return false;
    line.resize(received);
    pendingConsoleInput = utf8Of(line);
    return received > 0;
}

std::size_t takePending(char* buffer, std::size_t size) {
    const std::size_t taken = pendingConsoleInput.size() < size ? pendingConsoleInput.size() : size;
    pendingConsoleInput.copy(buffer, taken);
    pendingConsoleInput.erase(0, taken);
    return taken;
}

// A Ctrl-Z typed alone on its line is the console's end of input.
bool isEndOfInputLine(std::string_view line) { return line.starts_with('\x1A'); }

}  // namespace

bool isInteractive(Stream stream) { return isConsole(handleOf(stream)); }

// Files and pipes take code page 850 whatever the locale.
bool filesTakeUtf8() { return false; }

// The console's Unicode interface shows the text whatever the console's code
// page, which the program shares with its shell and so never changes.
bool writeText(Stream stream, std::string_view utf8) {
    HANDLE console = handleOf(stream);
    const std::wstring text = utf16Of(utf8);
    std::wstring_view rest = text;
    while (!rest.empty()) {
        DWORD written = 0;
        if (::WriteConsoleW(console, rest.data(), pieceOf(rest.size()), &written, nullptr) == 0) return false;
        rest.remove_prefix(written);
    }
    return true;
}

// Windows text files end their lines with CR LF.
bool writeBytes(Stream stream, std::string_view bytes) {
    std::string lines;
    lines.reserve(bytes.size() + bytes.size() / 8);
    for (const char byte : bytes) {
        if (byte == '\n') lines.push_back('\r');
        lines.push_back(byte);
    }
    return writeAll(handleOf(stream), lines);
}

std::size_t readInput(char* buffer, std::size_t size) {
    HANDLE input = handleOf(Stream::input);
    if (isConsole(input)) {
        if (pendingConsoleInput.empty() && (!readConsoleLine(input) || isEndOfInputLine(pendingConsoleInput))) {
            pendingConsoleInput.clear();
            return 0;
        }
        return takePending(buffer, size);
    }
    DWORD received = 0;
    if (::ReadFile(input, buffer, pieceOf(size), &received, nullptr) == 0) return 0;  // a closed pipe ends it too
    return received;
}

// main's argv is in the ANSI code page, which may not hold what was typed;
// the command line itself is UTF-16.
std::vector<std::string> commandLineArguments(int argc, const char* const* argv) {
    int count = 0;
    wchar_t** const wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) return {argv, argv + (argc > 0 ? argc : 0)};
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) arguments.push_back(utf8Of(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

std::string lastErrorMessage() {
    const DWORD error = ::GetLastError();
    std::wstring message(512, L'\0');
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                          message.data(), static_cast<DWORD>(message.size()), nullptr);
    message.resize(length);
    // The system ends its sentence with a full stop and CR LF; the notice adds
    // its own.
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.')) {
        message.pop_back();
    }
    if (message.empty()) return "erreur " + std::to_string(error);  // digits only: no locale applies
    return utf8Of(message);
}

}  // namespace tessarivand::console::native
