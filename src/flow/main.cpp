#include <cstddef>

#include "tessarivand/console/streams.hpp"
#include "tessarivand/flow/arguments.hpp"

int main(int argc, char** argv) {
    // First, so that every text, the usage included, gets the console's encoding.
    tessarivand::console::attachStandardStreams();
    return tessarivand::runCommandLine({argv, static_cast<std::size_t>(argc)});
}
