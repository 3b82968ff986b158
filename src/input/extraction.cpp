#include "tessarivand/input/extraction.hpp"

#include <iostream>
#include <limits>

#include "tessarivand/console/streams.hpp"

namespace tessarivand::input {

namespace {

// Drops the rest of the line, however long, without storing it.
void discardLine() { std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n'); }

// Skips blanks and line breaks up to the next character; ends the program
// when the input has none left. Flushes std::cout first, through the tie.
void awaitInput() {
    std::cin >> std::ws;
    if (std::cin.eof() || std::cin.bad()) {
        console::endOfInput();
    }
}

}  // namespace

template <typename Number>
void extractNumber(Number& value, std::string_view retryMessage) {
    for (;;) {
        awaitInput();
        if (std::cin >> value) {
            break;
        }
        std::cerr << retryMessage;
        std::cin.clear();
        discardLine();
    }
    // A number that ends the input is still taken; the end is met next time.
    std::cin.clear();
    discardLine();
}

template void extractNumber<double>(double&, std::string_view);
template void extractNumber<std::int32_t>(std::int32_t&, std::string_view);

}  // namespace tessarivand::input
