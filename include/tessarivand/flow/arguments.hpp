#pragma once

#include <span>
#include <string>

namespace tessarivand {

// The program's front door, given its whole command line as UTF-8 (its own
// name first; console::commandLineArguments gives it).
// The arguments are read in order: --tableau or -t sets the Horner table for
// the dialogue, --exact or -e its exact numbers; the first other one decides
// at once: --help or -h writes the usage and --version the name, version and
// licence, both on standard output with status 0; anything else is named on
// standard error with a pointer to --help, status 2, and no dialogue. With no
// other argument: the dialogue, as runProgram with those settings. Returns
// the exit status. Short options may come together, as in GNU tools: "-et"
// is "-e" then "-t"; an unknown letter is refused as "-x" would be.
int runCommandLine(std::span<const std::string> commandLine);

}  // namespace tessarivand
