#pragma once

#include <string>
#include <string_view>

namespace tessarivand::console {

// The UTF-8 text as code page 850, the bytes that the console's buffers write
// where an output takes that code page (streams.hpp): é is 0x82, µ is 0xE6; a
// character outside that code page, or a byte that is not well-formed UTF-8,
// becomes '?'.
std::string toCodePage850(std::string_view utf8);

}  // namespace tessarivand::console
