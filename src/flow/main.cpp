#include "tessarivand/console/streams.hpp"
#include "tessarivand/flow/program.hpp"

int main() {
    tessarivand::console::attachStandardStreams();
    return tessarivand::runProgram();
}
