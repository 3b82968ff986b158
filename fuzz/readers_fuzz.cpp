// The number readers, the coefficient entry and the typed-word end prompt,
// fed arbitrary bytes as standard input: the first byte picks the reader, which
// is then called again and again until the input ends. Each call must return
// an acceptable value, and the input must end the loop.
#include <cstddef>
#include <cstdint>

#include "in_process_console.hpp"
#include "tessarivand/flow/prompts.hpp"
#include "tessarivand/input/readers.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace {

using tessarivand::fuzzing::require;

void readRealOnce() {
    double value = 0.0;
    tessarivand::readReal(value, "µ");
    // The extraction refuses what a double cannot hold.
    require(value - value == 0.0, "readReal returns a finite number");
}

void readNaturalOnce() {
    std::int32_t value = -1;
    tessarivand::readNatural(value, "deg(P)");
    require(value >= 0 && value <= 999, "readNatural returns 0 to 999");
}

void readMenuChoiceOnce() {
    std::int32_t value = 0;
    tessarivand::readMenuChoice(value, "Votre Choix");
    require(value >= 1 && value <= 4, "readMenuChoice returns 1 to 4");
}

void enterOnce() {
    tessarivand::Polynomial p;
    p.enter();
    require(p.degree < tessarivand::MaxTerms, "the degree entered is below 1000");
    require(p.degree == 0 || p.coefficients[p.degree] != 0.0, "the leading coefficient is not zero");
}

void askContinueOrQuitOnce() {
    const auto answer = tessarivand::askContinueOrQuit();
    require(answer == tessarivand::RunAnswer::resume || answer == tessarivand::RunAnswer::quit,
            "the end prompt returns continue or quit");
}

constexpr void (*Readers[])() = {readRealOnce, readNaturalOnce, readMenuChoiceOnce, enterOnce,
                                  askContinueOrQuitOnce};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tessarivand::fuzzing::prepareInProcessDialogue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto reader = Readers[data[0] % std::size(Readers)];
    const tessarivand::fuzzing::InProcessConsole console(data + 1, size - 1);
    try {
        // Every call that returns has used at least one byte of the input.
        for (;;) reader();
    } catch (const tessarivand::fuzzing::InputEnded&) {
    }
    return 0;
}
