#include "tessarivand/input/extraction.hpp"

#include <cstdlib>
#include <iostream>
#include <limits>
#include <optional>
#include <string_view>

#include "tessarivand/console/streams.hpp"
#include "typed_real.hpp"

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

// The loop of every reader: extract() reads one number from std::cin and
// gives the message of its refusal, or nothing when the number is taken.
template <typename Extract>
void extractUntilTaken(Extract extract) {
    for (;;) {
        awaitInput();
        const std::optional<std::string_view> refusal = extract();
        if (!refusal) {
            break;
        }
        std::cerr << *refusal;
        std::cin.clear();
        discardLine();
    }
    // A number that ends the input is still taken; the end is met next time.
    std::cin.clear();
    discardLine();
}

bool extract(double& value) { return static_cast<bool>(extractReal(std::cin, value)); }
bool extract(std::int32_t& value) { return static_cast<bool>(std::cin >> value); }

}  // namespace

std::istream& extractReal(std::istream& in, double& value) {
    const std::istream::sentry ready(in);  // skips blanks, flushes the tie
    if (!ready) return in;
    bool reachedEnd = false;
    const TypedReal real = scanReal(*in.rdbuf(), reachedEnd);
    std::ios_base::iostate state = reachedEnd ? std::ios_base::eofbit : std::ios_base::goodbit;
    // The standard extraction's results: 0 for no number, the largest
    // double of its sign for one too large, failing both times.
    constexpr double Largest = std::numeric_limits<double>::max();
    if (!real.isComplete()) {
        value = 0.0;
        state |= std::ios_base::failbit;
    } else if (const double converted = std::strtod(real.canonicalText().c_str(), nullptr); converted > Largest) {
        value = Largest;
        state |= std::ios_base::failbit;
    } else if (converted < -Largest) {
        value = -Largest;
        state |= std::ios_base::failbit;
    } else {
        value = converted;
    }
    in.setstate(state);
    return in;
}

template <typename Number>
void extractNumber(Number& value, std::string_view retryMessage) {
    extractUntilTaken([&]() -> std::optional<std::string_view> {
        if (extract(value)) return std::nullopt;
        return retryMessage;
    });
}

void extractNumber(Rational& value, const ExactRetryMessages& retryMessages) {
    extractUntilTaken([&]() -> std::optional<std::string_view> {
        const std::optional<ExactRefusal> refusal = extractExact(std::cin, value);
        if (!refusal) return std::nullopt;
        return retryMessages.at(static_cast<std::size_t>(*refusal));
    });
}

template void extractNumber<double>(double&, std::string_view);
template void extractNumber<std::int32_t>(std::int32_t&, std::string_view);

}  // namespace tessarivand::input
