#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "console/stream_buffer_swap.hpp"
#include "console/test_seams.hpp"
#include "tessarivand/console/key.hpp"
#include "tessarivand/console/streams.hpp"

namespace tessarivand::fuzzing {

// The end of the fuzzer's input, carried out of the dialogue by unwinding so
// that every object the dialogue holds is released before the next input.
struct InputEnded {};

[[noreturn]] inline void throwInputEnded() { throw InputEnded{}; }

// Once per process: the dialogue ends by unwinding rather than by exiting, and
// never looks for a terminal (the fuzzer may well run on one).
inline void prepareInProcessDialogue() {
    console::setEndOfInputHandler(throwInputEnded);
    console::setKeySource(console::KeySource::standardInput);
}

// Every answer of the dialogue is answered by a bounded amount of text: the
// longest is the division of a polynomial of degree 999, about 25 KB, for a
// menu choice and a µ of four bytes. Output beyond this budget can only come
// from a loop that no longer waits for input.
constexpr std::size_t OutputPerInputByte = std::size_t{16} * 1024;
constexpr std::size_t OutputAtStart = std::size_t{64} * 1024;

// Counts what the dialogue writes, keeps none of it, and ends the process (a
// fuzzing failure) as soon as the count passes the budget.
class BoundedSink final : public std::streambuf {
public:
    explicit BoundedSink(std::size_t budget) : budget_(budget) {}

protected:
    std::streamsize xsputn(const char* /*text*/, std::streamsize count) override {
        charge(static_cast<std::size_t>(count));
        return count;
    }
    int_type overflow(int_type ch) override {
        charge(1);
        return traits_type::not_eof(ch);
    }

private:
    void charge(std::size_t count) {
        written_ += count;
        if (written_ > budget_) {
            std::fprintf(stderr, "output of %zu bytes passes the budget of %zu for this input\n", written_, budget_);
            std::abort();
        }
    }

    std::size_t budget_;
    std::size_t written_ = 0;
};

// The fuzzer's bytes as standard input, and budgeted sinks as standard output
// and standard error, for the life of the object; each swap clears its
// stream's state, then and when it ends.
class InProcessConsole {
public:
    InProcessConsole(const std::uint8_t* data, std::size_t size)
        : in_(std::string(reinterpret_cast<const char*>(data), size)),
          out_(OutputAtStart + OutputPerInputByte * size),
          err_(OutputAtStart + OutputPerInputByte * size) {}

private:
    std::stringbuf in_;
    BoundedSink out_;
    BoundedSink err_;
    console::StreamBufferSwap inSwap_{std::cin, &in_};
    console::StreamBufferSwap outSwap_{std::cout, &out_};
    console::StreamBufferSwap errSwap_{std::cerr, &err_};
};

// Stops the fuzzer on a broken promise of the code under test.
inline void require(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

}  // namespace tessarivand::fuzzing
