#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What the console layer needs of the system for the standard streams, one
// implementation per platform (native_io_posix.cpp, native_io_windows.cpp,
// native_io_web.cpp); what POSIX and the page do alike is in
// native_io_standard.cpp. Everything else about the streams is shared.
namespace tessarivand::console::native {

enum class Stream { input, output, error };

// A terminal, a console or a page that a person reads and types on, as
// opposed to a file or a pipe. Output to it is UTF-8 text; input from it is
// taken no further than the line being read.
bool isInteractive(Stream stream);

// Whether files and pipes take the texts as UTF-8 rather than code page 850:
// on POSIX, when the locale's character encoding is UTF-8; never on Windows
// or in the page.
bool filesTakeUtf8();

// POSIX: whether the locale that the first set and non-empty of LC_ALL,
// LC_CTYPE and LANG names (null when unset) has the codeset UTF-8, spelt
// UTF-8, utf8 or UTF8 in any case, with or without an @modifier.
bool localeNamesUtf8(const char* lcAll, const char* lcCtype, const char* lang);

// Writes all of the UTF-8 text to an interactive stream; false when the
// system refuses it.
bool writeText(Stream stream, std::string_view utf8);

// Writes all of the bytes to a stream that is not interactive, each line
// break as the platform's text files end their lines; false when the system
// refuses them.
bool writeBytes(Stream stream, std::string_view bytes);

// Reads at most size bytes of standard input; 0 at its end, or when it cannot
// be read at all (a directory, a terminal that has gone).
std::size_t readInput(char* buffer, std::size_t size);

// The program's arguments as UTF-8, from main's argv or, where argv may have
// lost characters, from the system's own record of the command line.
std::vector<std::string> commandLineArguments(int argc, const char* const* argv);

// The system's own words for the latest refusal of a write or a read.
std::string lastErrorMessage();

}  // namespace tessarivand::console::native
