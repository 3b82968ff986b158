#include "tessarivand/console/graph.hpp"

namespace tessarivand::console {

// A console cannot draw: only the page shows the curve.
bool drawsGraphs() { return false; }

void showGraph(const GraphData& /*data*/) {}

}  // namespace tessarivand::console
