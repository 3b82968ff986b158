#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessarivand::console {

// The program's texts are UTF-8 in the source. An output that is not a
// terminal (a file, a pipe) receives them as code page 850 (é is 0x82, µ is
// 0xE6), unless the locale's encoding is UTF-8 (POSIX); a character outside
// that code page becomes '?'.
std::string toCodePage850(std::string_view utf8);

// Puts the console buffers under std::cin, std::cout and std::cerr. Decides
// once, for standard output and standard error separately, whether the texts
// go out as UTF-8 (a terminal, a console; on POSIX also a file or a pipe when
// the first set and non-empty of LC_ALL, LC_CTYPE and LANG names a UTF-8
// codeset, installed or not) or as code page 850 (anything else). The streams keep their coupling: std::cin and
// std::cerr stay tied to std::cout, and std::cerr stays unbuffered. Call it once, first thing in main. Until it is
// called, std::cout and std::cerr keep the standard library's own buffers, and every text of the library goes out as
// UTF-8, into files and pipes too; a program that uses the library calls it to write as tessarivand does.
void attachStandardStreams();

// The program's arguments, its own name first, as UTF-8 whatever the system
// hands main: some systems give main's argv in a narrower code page, which
// may not hold what was typed.
std::vector<std::string> commandLineArguments(int argc, const char* const* argv);

// Every reader ends here when standard input has no more to give: a one-line
// notice on standard error, then exit status 1. The notice is UTF-8 unless
// attachStandardStreams() was called.
[[noreturn]] void endOfInput();

}  // namespace tessarivand::console
