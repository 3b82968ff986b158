#pragma once

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
