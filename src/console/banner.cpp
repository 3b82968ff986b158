#include "tessarivand/console/banner.hpp"

#include <iostream>

namespace tessarivand::console {

void printBanner(std::string first, std::string second) {
    std::cout << "\n\n" << first << "\n\n\n\n" << second << "\n\n";
}

}  // namespace tessarivand::console
