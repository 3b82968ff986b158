#pragma once

#include <cstdint>
#include <string>

// Encoding: see tessarivand/console/streams.hpp.

namespace tessarivand {

// Each reader asks on standard output, repeats until the line typed is
// acceptable, stores the value and confirms it. The display name names the
// value on screen ("µ", "deg(P)", "Votre Choix"), always followed by " = ".

// Any real number that a double holds.
void readReal(double& value, std::string displayName);

// The bound of readNatural, which its texts name. It is MaxTerms, the number
// of a polynomial's coefficient slots, from the layer above.
inline constexpr std::int32_t NaturalLimit = 1000;

// A natural number below NaturalLimit.
void readNatural(std::int32_t& value, std::string displayName);

// 1, 2, 3 or 4.
void readMenuChoice(std::int32_t& value, std::string displayName);

}  // namespace tessarivand
