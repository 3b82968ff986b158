#include <cstdlib>

#include "tessarivand/console/streams.hpp"
#include "tessarivand/flow/arguments.hpp"

// Ends through exit rather than a return: where the program has waited for
// input asynchronously, main's return value no longer reaches anyone.
int main(int argc, char** argv) {
    // First, so that every text, the usage included, gets the console's encoding.
    tessarivand::console::attachStandardStreams();
    // The arguments are released before exit, which returns to no caller.
    const int status = tessarivand::runCommandLine(tessarivand::console::commandLineArguments(argc, argv));
    std::exit(status);
}
