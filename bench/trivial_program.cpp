// The floor of start-up: a C++ program that loads the standard library, sets
// up its streams and writes nothing. Built with the program's flags, and once
// more with the standard library linked in statically.
#include <iostream>

int main() {
    std::cout.flush();
    return 0;
}
