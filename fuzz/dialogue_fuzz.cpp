// The whole dialogue of one process, run after run, fed arbitrary bytes as
// standard input with no terminal: it must end, by quit or at the end of the
// input, within the output budget of the harness.
#include <cstddef>
#include <cstdint>

#include "in_process_console.hpp"
#include "tessarivand/flow/program.hpp"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    tessarivand::fuzzing::prepareInProcessDialogue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tessarivand::fuzzing::InProcessConsole console(data, size);
    try {
        tessarivand::fuzzing::require(tessarivand::runProgram() == 0, "quitting returns status 0");
    } catch (const tessarivand::fuzzing::InputEnded&) {
    }
    return 0;
}
