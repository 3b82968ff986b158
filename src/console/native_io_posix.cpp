#include <unistd.h>

#include <cerrno>

#include "native_io.hpp"

// The standard streams on POSIX: the system calls on descriptors 0, 1 and 2.

namespace tessarivand::console::native {

namespace {

int descriptor(Stream stream) {
    switch (stream) {
        case Stream::input:
            return STDIN_FILENO;
        case Stream::output:
            return STDOUT_FILENO;
        case Stream::error:
            break;
    }
    return STDERR_FILENO;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

bool isInteractive(Stream stream) { return ::isatty(descriptor(stream)) != 0; }

// A terminal takes the UTF-8 bytes as they are.
bool writeText(Stream stream, std::string_view utf8) { return writeAll(descriptor(stream), utf8); }

bool writeBytes(Stream stream, std::string_view bytes) { return writeAll(descriptor(stream), bytes); }

std::size_t readInput(char* buffer, std::size_t size) {
    ssize_t received = 0;
    do {
        received = ::read(STDIN_FILENO, buffer, size);
    } while (received < 0 && errno == EINTR);
    return received > 0 ? static_cast<std::size_t>(received) : 0;
}

}  // namespace tessarivand::console::native
