// Multiplies (X - 1) by (X^2 + X + 1), then divides the product by (X - 1)
// again, with the installed library.

#include <iostream>

#include <tessarivand/arithmetic/division.hpp>
#include <tessarivand/arithmetic/product.hpp>
#include <tessarivand/console/streams.hpp>
#include <tessarivand/numbers/number_format.hpp>
#include <tessarivand/polynomial/polynomial.hpp>

int main() {
    using tessarivand::Polynomial;
    // Without this call the library's texts, and this program's, go out as
    // UTF-8 everywhere. With it they go out as tessarivand's own do: UTF-8 on
    // a terminal, code page 850 into a file or a pipe.
    tessarivand::console::attachStandardStreams();

    Polynomial a;
    a.name = "A";
    a.degree = 1;
    a.coefficients[1] = 1.0;
    a.coefficients[0] = -1.0;

    Polynomial b;
    b.name = "B";
    b.degree = 2;
    b.coefficients[2] = b.coefficients[1] = b.coefficients[0] = 1.0;

    Polynomial product = tessarivand::runningProduct(a, b);
    std::cout << "\n Produit : " << product.name << "(X) = ";
    tessarivand::writeTerms(product);

    const Polynomial quotient = tessarivand::quotientByBinomial(product, 1.0);
    std::cout << "\n Division par (X - 1) : " << quotient.name << "(X) = ";
    tessarivand::writeTerms(quotient);
    std::cout << ", reste " << tessarivand::numbers::formatReal(product.remainder) << '\n';
    return 0;
}
