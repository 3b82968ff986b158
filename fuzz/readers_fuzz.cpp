// The number readers, the coefficient entry and the typed-word end prompt,
// fed arbitrary bytes as standard input: the first byte picks the reader, which
// is then called again and again until the input ends. Each call must return
// an acceptable value, and the input must end the loop. One more choice of the
// first byte compares the bounded extraction of a real with the standard one.
// The exact reader's value must read back from its own text.
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>

#include "in_process_console.hpp"
#include "tessarivand/flow/prompts.hpp"
#include "tessarivand/input/extraction.hpp"
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

void readExactRealOnce() {
    tessarivand::Rational value;
    tessarivand::readReal(value, "µ");
    // 1000 digits and an exponent of 1000: at most 2001 digits on either side.
    const std::string text = tessarivand::numbers::formatRational(value);
    require(text.size() <= 2 * 2001 + 2, "exact readReal's value stays within its limits");
    // Its text reads back as the same value, unless it is longer than any text accepted.
    std::istringstream shown(text);
    tessarivand::Rational again;
    const auto refusal = tessarivand::input::extractExact(shown, again);
    require(refusal ? *refusal == tessarivand::numbers::ExactRefusal::tooLong : again == value,
            "exact readReal's value reads back");
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

constexpr auto Readers = std::to_array<void (*)()>(
    {readRealOnce, readNaturalOnce, readMenuChoiceOnce, enterOnce, askContinueOrQuitOnce, readExactRealOnce});

std::streamoff position(std::istream& in) { return in.rdbuf()->pubseekoff(0, std::ios_base::cur, std::ios_base::in); }

// Number after number, skipping a character after each failure: the same
// value to the bit, the same state and the same position every time.
void compareRealExtractions(const std::string& text) {
    std::istringstream standard(text);
    std::istringstream bounded(text);
    for (;;) {
        double expected = 1.0;
        double actual = 1.0;
        standard >> expected;
        tessarivand::input::extractReal(bounded, actual);
        require(std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual), "the same value");
        require(standard.rdstate() == bounded.rdstate(), "the same stream state");
        if (standard.eof()) return;
        standard.clear();
        bounded.clear();
        require(position(standard) == position(bounded), "the same characters taken");
        standard.ignore(1);
        bounded.ignore(1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    tessarivand::fuzzing::prepareInProcessDialogue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t choice = data[0] % (Readers.size() + 1);
    if (choice == Readers.size()) {
        compareRealExtractions(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
        return 0;
    }
    const auto reader = Readers[choice];
    const tessarivand::fuzzing::InProcessConsole console(data + 1, size - 1);
    try {
        // Every call that returns has used at least one byte of the input.
        for (;;) reader();
    } catch (const tessarivand::fuzzing::InputEnded&) {
    }
    return 0;
}
