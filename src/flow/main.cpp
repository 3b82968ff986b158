#include <cstdlib>

#include "tessarivand/console/streams.hpp"
#include "tessarivand/flow/program.hpp"

// Ends through exit rather than a return: where the program has waited for
// input asynchronously, main's return value no longer reaches anyone.
int main() {
    tessarivand::console::attachStandardStreams();
    std::exit(tessarivand::runProgram());
}
