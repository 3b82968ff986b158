#pragma once

// Encoding: what these functions write reaches std::cout and std::cerr as the
// UTF-8 of their texts, everywhere, unless the program has called
// console::attachStandardStreams() first; then it goes out as tessarivand's
// own does: UTF-8 on a terminal, code page 850 into files and pipes.

namespace tessarivand {

// The user's answer at the end of a run. Continue, in the typed-word prompt,
// means the same as resume.
enum class RunAnswer { resume, quit };

// One key press, taken from the terminal itself: r or R resumes, q or Q
// quits; any other key is answered and the whole prompt is written again.
RunAnswer askResumeOrQuit();

// One word typed on standard input and confirmed with Enter: c or C
// continues, q or Q quits; anything else is answered and asked again.
RunAnswer askContinueOrQuit();

}  // namespace tessarivand
