#pragma once

#include <type_traits>
#include <vector>

#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

// The division of a polynomial of degree n by (X - mu) step by step, from the
// highest power down: one column per coefficient a[n] … a[0]. In doubles,
// HornerTable; exact_division.hpp has the exact mode's (ExactHornerTable).
template <typename Number>
struct BasicHornerTable {
    Number mu{};
    // a[n] … a[0], zeros included: n + 1 entries.
    std::vector<Number> coefficients;
    // Under a[n - 1] … a[0]: mu × the sum of the column before. n entries;
    // none for a constant.
    std::vector<Number> products;
    // The quotient's coefficients q[n - 1] … q[0], then the remainder: n + 1
    // entries, the last one under a[0].
    std::vector<Number> sums;
};

using HornerTable = BasicHornerTable<double>;

// The table of the division of p by (X - mu): the very products and sums
// that quotientByBinomial computes, in its order. Changes nothing in p.
// Where the quotient is wanted too, quotientByBinomial(p, mu, table) gives
// both from one pass.
template <typename Number>
BasicHornerTable<Number> hornerTable(const BasicPolynomial<Number>& p, const std::type_identity_t<Number>& mu);

// The table under a framed title and its legend on standard output, in
// blocks of consecutive columns no wider than 80 characters, each under the
// powers of X of its columns. The remainder's column is set apart by a bar on
// every row and always shares the last block with the quotient's last column
// (a constant's table is that one column). A zero is written 0, whatever its
// sign. Exact numbers are written exactly; where a column of them cannot fit
// in 80 characters, the table is written as a list instead: for each power
// of X, its coefficient, product and sum on lines of their own, the
// remainder's behind a bar; a number too long for its line has a line to
// itself.
template <typename Number>
void printHornerTable(const BasicHornerTable<Number>& table);

}  // namespace tessarivand
