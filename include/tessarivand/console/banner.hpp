#pragma once

#include <string>

namespace tessarivand::console {

// "\n\n", first, "\n\n\n\n", second, "\n\n" on standard output; frames and
// indentation live inside the texts.
void printBanner(std::string first, std::string second);

}  // namespace tessarivand::console
