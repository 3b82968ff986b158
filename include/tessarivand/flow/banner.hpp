#pragma once

#include <string>

// Encoding: what these functions write reaches std::cout and std::cerr as the
// UTF-8 of their texts, everywhere, unless the program has called
// console::attachStandardStreams() first; then it goes out as tessarivand's
// own does: UTF-8 on a terminal, code page 850 into files and pipes.

namespace tessarivand {

// "\n\n", first, "\n\n\n\n", second, "\n\n" on standard output; frames and
// indentation live inside the texts.
void printBanner(std::string first, std::string second);

}  // namespace tessarivand
