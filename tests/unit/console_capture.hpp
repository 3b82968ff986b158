#pragma once

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "stream_buffer_swap.hpp"

namespace tessarivand::testing {

// Where standard error goes: into the capture, or still to the process, where
// a death test reads it.
enum class StandardError { captured, real };

// Puts string streams under std::cin, std::cout and std::cerr for the life of
// the object, so that a test sees exactly what the program wrote (as the UTF-8
// of the source) and feeds it scripted input.
class ConsoleCapture {
public:
    explicit ConsoleCapture(const std::string& input = "", StandardError error = StandardError::captured)
        : in_(input), errSwap_(std::cerr, error == StandardError::captured ? err_.rdbuf() : std::cerr.rdbuf()) {}

    std::string out() const { return out_.str(); }
    std::string err() const { return err_.str(); }

private:
    std::istringstream in_;
    std::ostringstream out_;
    std::ostringstream err_;
    console::StreamBufferSwap inSwap_{std::cin, in_.rdbuf()};
    console::StreamBufferSwap outSwap_{std::cout, out_.rdbuf()};
    console::StreamBufferSwap errSwap_;
};

inline std::string readDataFile(const std::string& name) {
    std::ifstream file(std::string(TESSARIVAND_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace tessarivand::testing
