#pragma once

#include <cstdint>
#include <string>

#include "tessarivand/numbers/rational.hpp"

namespace tessarivand {

// Each reader asks on standard output, repeats until the line typed is
// acceptable, stores the value and confirms it. The display name names the
// value on screen ("µ", "deg(P)", "Votre Choix"), always followed by " = ".

// Any real number that a double holds.
void readReal(double& value, std::string displayName);

// A natural number below MaxTerms, the number of a polynomial's coefficient
// slots, which its texts name.
void readNatural(std::int32_t& value, std::string displayName);

// 1, 2, 3 or 4.
void readMenuChoice(std::int32_t& value, std::string displayName);

// 1 to 5, for exact mode's menu, with texts that say so.
void readMenuChoiceOfFive(std::int32_t& value, std::string displayName);

// The coefficient a[index] of a polynomial being entered, with readReal's
// texts around its own label ("Le Coefficient   a[2]  =  ").
void readCoefficient(double& value, std::uint32_t index);

// Exact mode's readReal and readCoefficient, with the same texts: the number
// typed exactly (0.2 is 1/5), or a fraction (-7/4). Fractions mistyped and
// numbers too long for exact arithmetic are refused with messages of their
// own (numbers::ExactRefusal).
void readReal(Rational& value, std::string displayName);
void readCoefficient(Rational& value, std::uint32_t index);

}  // namespace tessarivand
