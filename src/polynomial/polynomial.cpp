#include "tessarivand/polynomial/polynomial.hpp"

#include <utility>

#include "tessarivand/polynomial/exact_polynomial.hpp"

namespace tessarivand {

void Polynomial::setName(std::string newName) { name = std::move(newName); }
void ExactPolynomial::setName(std::string newName) { name = std::move(newName); }

}  // namespace tessarivand
