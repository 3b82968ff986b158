#pragma once

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

namespace tessarivand::testing {

// Puts string streams under std::cin, std::cout and std::cerr for the life of
// the object, so that a test sees exactly what the program wrote (as the UTF-8
// of the source) and feeds it scripted input.
class ConsoleCapture {
public:
    explicit ConsoleCapture(const std::string& input = "")
        : in_(input),
          savedIn_(std::cin.rdbuf(in_.rdbuf())),
          savedOut_(std::cout.rdbuf(out_.rdbuf())),
          savedErr_(std::cerr.rdbuf(err_.rdbuf())) {}
    ConsoleCapture(const ConsoleCapture&) = delete;
    ConsoleCapture& operator=(const ConsoleCapture&) = delete;
    ~ConsoleCapture() {
        std::cin.rdbuf(savedIn_);
        std::cout.rdbuf(savedOut_);
        std::cerr.rdbuf(savedErr_);
        std::cin.clear();
    }

    std::string out() const { return out_.str(); }
    std::string err() const { return err_.str(); }

private:
    std::istringstream in_;
    std::ostringstream out_;
    std::ostringstream err_;
    std::streambuf* savedIn_;
    std::streambuf* savedOut_;
    std::streambuf* savedErr_;
};

inline std::string readDataFile(const std::string& name) {
    std::ifstream file(std::string(TESSARIVAND_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace tessarivand::testing
