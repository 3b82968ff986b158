#pragma once

// What a fuzz or test process changes in the console layer, to run the
// dialogue in process. Not installed with the library: the program itself
// never calls these.
namespace tessarivand::console {

// Where readKey takes the key. The program always looks for its terminal; a
// fuzz or test process that may itself run on a terminal chooses standard
// input, so that the key is the next byte of std::cin as without a terminal.
enum class KeySource { terminalWhenPresent, standardInput };
void setKeySource(KeySource source);

// What endOfInput does after its notice, for a fuzz or test process that runs
// the dialogue in process and must survive its end. Such a handler throws an
// exception of the caller's own type, caught by the caller, so that unwinding
// releases every object of the dialogue. The program itself never sets one; a
// null handler, or one that returns, ends the process with status 1.
using EndOfInputHandler = void (*)();
void setEndOfInputHandler(EndOfInputHandler handler);

}  // namespace tessarivand::console
