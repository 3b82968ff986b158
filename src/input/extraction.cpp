#include "tessarivand/input/extraction.hpp"

#include <cstdlib>
#include <iostream>
#include <limits>
#include <optional>
#include <string_view>

#include "console/utf8.hpp"
#include "numbers/typed_real.hpp"
#include "tessarivand/console/streams.hpp"

namespace tessarivand::input {

namespace {

using numbers::ExactRefusal;

constexpr int EndOfFile = std::char_traits<char>::eof();

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

// The blanks that end a word for the stream's extraction.
bool endsWord(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool extract(double& value) { return static_cast<bool>(extractReal(std::cin, value)); }
bool extract(std::int32_t& value) { return static_cast<bool>(std::cin >> value); }

}  // namespace

std::istream& extractReal(std::istream& in, double& value) {
    const std::istream::sentry ready(in);  // skips blanks, flushes the tie
    if (!ready) return in;
    bool reachedEnd = false;
    const numbers::TypedReal real = numbers::scanReal(*in.rdbuf(), reachedEnd);
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

std::optional<ExactRefusal> extractExact(std::istream& in, Rational& value) {
    const std::istream::sentry ready(in);  // skips blanks, flushes the tie
    if (!ready) return ExactRefusal::notANumber;
    std::streambuf& buffer = *in.rdbuf();
    const std::optional<ExactRefusal> refusal = numbers::scanExact(buffer, value);
    // The character at hand was already looked at: this never waits for input.
    std::ios_base::iostate state = buffer.sgetc() == EndOfFile ? std::ios_base::eofbit : std::ios_base::goodbit;
    if (refusal) state |= std::ios_base::failbit;
    in.setstate(state);
    return refusal;
}

TypedWord extractWord() {
    std::cin >> std::ws;
    std::streambuf* const in = std::cin.rdbuf();
    TypedWord word;
    word.first = std::cin.eof() ? EndOfFile : in->sbumpc();
    if (word.first == EndOfFile) console::endOfInput();
    for (int next = in->sgetc(); next != EndOfFile && !endsWord(next); next = in->snextc()) {
        if (!console::utf8::isContinuation(static_cast<unsigned char>(next))) word.single = false;
    }
    return word;
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
