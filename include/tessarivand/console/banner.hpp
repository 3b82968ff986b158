#pragma once

#include <string>

namespace tessarivand::console {

// The row of 80 asterisks that frames an expression and a division's identity.
inline constexpr const char* AsteriskRow =
    "********************************************************************************";

// "\n\n", first, "\n\n\n\n", second, "\n\n" on standard output; frames and
// indentation live inside the texts. UTF-8 unless attachStandardStreams()
// was called; then as tessarivand's own output (code page 850 into files and
// pipes).
void printBanner(std::string first, std::string second);

}  // namespace tessarivand::console
