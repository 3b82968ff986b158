#include "tessarivand/polynomial/polynomial.hpp"

#include <utility>

#include "tessarivand/polynomial/exact_polynomial.hpp"

namespace tessarivand {

template <typename Number>
void BasicPolynomial<Number>::setName(std::string newName) {
    name = std::move(newName);
}

// The two instances; entry.cpp and display.cpp define the other members.
template class BasicPolynomial<double>;
template class BasicPolynomial<Rational>;

}  // namespace tessarivand
