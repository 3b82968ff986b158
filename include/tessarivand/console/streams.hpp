#pragma once

#include <string>
#include <vector>

#include "tessarivand/console/code_page_850.hpp"

// Encoding: what the library's functions write reaches std::cout and
// std::cerr as the UTF-8 of their texts, everywhere, unless the program has
// called console::attachStandardStreams() first; then it goes out as
// tessarivand's own does: UTF-8 on a terminal, and into files and pipes code
// page 850, or UTF-8 there too on POSIX when the locale's encoding is UTF-8.

namespace tessarivand::console {

// Puts the console buffers under std::cin, std::cout and std::cerr. Decides
// once, for standard output and standard error separately, whether the texts
// go out as UTF-8 (a terminal, a console; on POSIX also a file or a pipe when
// the first set and non-empty of LC_ALL, LC_CTYPE and LANG names a UTF-8
// codeset, installed or not) or as code page 850 (anything else). The streams keep their coupling: std::cin and
// std::cerr stay tied to std::cout, and std::cerr stays unbuffered. Call it once, first thing in main. Until it is
// called, std::cout and std::cerr keep the standard library's own buffers, and every text of the library goes out as
// UTF-8, into files and pipes too; a program that uses the library calls it to write as tessarivand does.
void attachStandardStreams();

// Whether standard output shows characters beyond code page 850 (√, Δ):
// true where its texts go out as UTF-8 (a terminal, a console, the page, a
// file or a pipe under a UTF-8 locale, and always before
// attachStandardStreams()), false where they go out as code page 850.
bool outputShowsUnicode();

// The program's arguments, its own name first, as UTF-8 whatever the system
// hands main: some systems give main's argv in a narrower code page, which
// may not hold what was typed.
std::vector<std::string> commandLineArguments(int argc, const char* const* argv);

// Every reader ends here when standard input has no more to give: a one-line
// notice on standard error, then exit status 1. The notice is UTF-8 unless
// attachStandardStreams() was called.
[[noreturn]] void endOfInput();

}  // namespace tessarivand::console
