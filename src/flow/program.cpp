#include "tessarivand/flow/program.hpp"

#include <iostream>

#include "tessarivand/arithmetic/division.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

// Until the dialogue exists: show and divide a fixed example, 2X^3 - 3X + 1
// by (X - 2).
int runProgram() {
    Polynomial p;
    p.degree = 3;
    p.coefficients[3] = 2.0;
    p.coefficients[1] = -3.0;
    p.coefficients[0] = 1.0;
    p.displayExpression(p.name);
    divideByBinomial(p, 2.0);
    std::cout << '\n';
    return 0;
}

}  // namespace tessarivand
