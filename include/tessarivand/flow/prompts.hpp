#pragma once

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
