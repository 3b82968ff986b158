#include <emscripten.h>

#include <iostream>
#include <string>

#include "tessarivand/console/graph.hpp"

// The curve of the page: the numbers go to Module.terminal.showGraph, when
// the page's terminal has one (a scripted terminal of the tests has none).

namespace tessarivand::console {

namespace {

// clang-format off
// (No ?. here: the build's minifier does not know it.)
EM_JS(void, pageShowGraph, (const char* numbers), {
    if (Module.terminal.showGraph) Module.terminal.showGraph(UTF8ToString(numbers));
});
// clang-format on

// The lists joined with spaces, the four fields with ";": no number's text
// holds either.
void append(std::string& text, const std::vector<std::string>& numbers) {
    for (const std::string& number : numbers) {
        if (&number != &numbers.front()) text += ' ';
        text += number;
    }
}

}  // namespace

bool drawsGraphs() { return true; }

// The division's text goes out first, so that the page draws and speaks the
// curve after it.
void showGraph(const GraphData& data) {
    std::cout.flush();
    std::string text;
    append(text, data.coefficients);
    text += ';' + data.mu + ';' + data.remainder + ';';
    append(text, data.realRoots);
    pageShowGraph(text.c_str());
}

}  // namespace tessarivand::console
