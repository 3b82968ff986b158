#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>

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

// By the locale's name alone, so that a locale named but not installed
// counts too, and without setlocale, which would change how numbers are
// read and written.
bool filesTakeUtf8() { return localeNamesUtf8(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG")); }

bool localeNamesUtf8(const char* lcAll, const char* lcCtype, const char* lang) {
    std::string_view name;
    for (const char* variable : {lcAll, lcCtype, lang}) {
        if (variable != nullptr && *variable != '\0') {
            name = variable;
            break;
        }
    }
    // language_territory.codeset@modifier
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos) return false;
    std::string_view codeset = name.substr(dot + 1);
    codeset = codeset.substr(0, codeset.find('@'));
    std::string lower(codeset);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == "utf-8" || lower == "utf8";
}

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
