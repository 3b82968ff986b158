#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The UTF-8 of the program's texts, decoded and written again as code page
// 850, for the stream buffers (streams.cpp) that send it to files and pipes.
namespace tessarivand::console {

// Appends the text as code page 850: a character outside it, or a byte that
// is not well-formed UTF-8, becomes '?'.
void appendCodePage850(std::string_view utf8, std::string& out);

// How many bytes at the end of [begin, end) start a UTF-8 sequence that is
// not complete yet; they wait for the next write.
std::size_t incompleteTail(const char* begin, const char* end);

}  // namespace tessarivand::console
