#pragma once

namespace tessarivand {

// The credits text that opens every run.
void printCredits();

// The whole dialogue, run after run, until the user quits; returns the exit
// status, 0.
int runProgram();

}  // namespace tessarivand
