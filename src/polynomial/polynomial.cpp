#include "tessarivand/polynomial/polynomial.hpp"

#include <utility>

namespace tessarivand {

void Polynomial::setName(std::string newName) { name = std::move(newName); }

}  // namespace tessarivand
