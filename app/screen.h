#ifndef ORVANNE_APP_SCREEN_H_
#define ORVANNE_APP_SCREEN_H_

#include <ostream>

// The console platform layer: the only code that knows the platform. Both
// operations act only on a real console; with input or output redirected
// they do nothing at all, so a scripted session prints just the program's
// own lines and never waits.

// Clears the console window, when standard output is a console. `out` is
// flushed first so nothing written before is lost.
void ClearScreen(std::ostream& out);

// Waits for one key press with the platform's own prompt, when standard
// input and standard output are both a console.
void PauseForKey(std::ostream& out);

#endif  // ORVANNE_APP_SCREEN_H_
