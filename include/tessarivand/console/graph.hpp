#pragma once

#include <string>
#include <vector>

namespace tessarivand::console {

// What the page draws after a division: P's coefficients a[0] … a[n] as texts, µ and the
// remainder as texts, and the real roots found by the factorisation (empty after a plain division).
// Every number is an exact fraction "p/q" or a decimal with 17 significant digits, so that the
// page draws the values computed, not the six digits shown.
struct GraphData {
    std::vector<std::string> coefficients;
    std::string mu;
    std::string remainder;
    std::vector<std::string> realRoots;
};

// Whether this platform draws at all: only the page does, so elsewhere the
// flow need not write the numbers out.
bool drawsGraphs();

// The page draws it, once the division's text has gone out; other platforms do nothing.
void showGraph(const GraphData& data);

}  // namespace tessarivand::console
