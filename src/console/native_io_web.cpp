#include <emscripten.h>

#include <cerrno>

#include "native_io.hpp"

// The standard streams of a program that runs in a page: all three are the
// page's terminal, which the script that starts the program hands to it as
// Module.terminal (web/line_discipline.mjs does what a terminal driver does).

namespace tessarivand::console::native {

namespace {

// clang-format off
EM_JS(bool, terminalWrite, (int stream, const char* bytes, std::size_t size), {
    return Module.terminal.write(stream, HEAPU8.slice(bytes, bytes + size));
});

// At most one line, as a terminal in line mode gives it; nothing at the end
// of input (Ctrl-D on an empty line).
EM_ASYNC_JS(std::size_t, terminalRead, (char* buffer, std::size_t size), {
    const bytes = await Module.terminal.read(size);
    HEAPU8.set(bytes, buffer);
    return bytes.length;
});
// clang-format on

int streamNumber(Stream stream) { return stream == Stream::error ? 2 : 1; }

}  // namespace

bool isInteractive(Stream /*stream*/) { return true; }

// The page is a terminal: nothing goes to a file.
bool filesTakeUtf8() { return false; }

bool writeText(Stream stream, std::string_view utf8) {
    if (terminalWrite(streamNumber(stream), utf8.data(), utf8.size())) return true;
    errno = EIO;
    return false;
}

bool writeBytes(Stream stream, std::string_view bytes) { return writeText(stream, bytes); }

std::size_t readInput(char* buffer, std::size_t size) { return terminalRead(buffer, size); }

}  // namespace tessarivand::console::native
