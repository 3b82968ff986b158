#pragma once

// Encoding: what these functions write reaches std::cout and std::cerr as the
// UTF-8 of their texts, everywhere, unless the program has called
// console::attachStandardStreams() first; then it goes out as tessarivand's
// own does: UTF-8 on a terminal, code page 850 into files and pipes.

namespace tessarivand {

// What the command line sets for the whole dialogue.
struct Settings {
    // After each printed division, its Horner table (--tableau).
    bool showHornerTable = false;
    // Coefficients, µ and every result as exact fractions (--exact).
    bool exactNumbers = false;
};

// The credits text that opens every run.
void printCredits();

// The whole dialogue, run after run, until the user quits; returns the exit
// status, 0.
int runProgram(const Settings& settings = Settings{});

}  // namespace tessarivand
