#pragma once

#include <string>

// The system's own code page 850, as an oracle for the program's table:
// iconv on POSIX, the system's code page tables on Windows.
namespace tessarivand::testing {

// The code page 850 byte of one UTF-8 character, or '?' when it has none.
char systemCodePage850Byte(const std::string& utf8);

// The UTF-8 of one byte of code page 850; empty when the system refuses it.
std::string systemUtf8OfCodePage850(char byte);

}  // namespace tessarivand::testing
