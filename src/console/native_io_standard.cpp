#include <cerrno>
#include <cstring>

#include "native_io.hpp"

// What POSIX systems and the page do alike, with the standard library alone;
// native_io_windows.cpp has its own.

namespace tessarivand::console::native {

// Arguments arrive as the bytes that were typed, UTF-8.
std::vector<std::string> commandLineArguments(int argc, const char* const* argv) {
    return {argv, argv + (argc > 0 ? argc : 0)};
}

std::string lastErrorMessage() { return std::strerror(errno); }

}  // namespace tessarivand::console::native
