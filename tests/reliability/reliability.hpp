#pragma once

#include <string>

#include "child_process.hpp"

namespace tessarivand::testing {

// The program under test and the scripted sessions, from the build.
inline std::string programPath() { return TESSARIVAND_PROGRAM; }
inline std::string sessionPath(const std::string& name) { return std::string(TESSARIVAND_SESSIONS) + "/" + name; }

// What the program writes to standard error, in code page 850, when the input
// ends before the dialogue does.
inline const std::string EndOfInputNotice =
    "\n Fin des donn\x82"
    "es en entr\x82"
    "e : le programme s'arr\x88te.\n";

}  // namespace tessarivand::testing
