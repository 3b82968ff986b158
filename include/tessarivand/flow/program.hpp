#pragma once

namespace tessarivand {

// The whole dialogue, run after run, until the user quits; returns the exit
// status.
int runProgram();

}  // namespace tessarivand
