#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include "app/screen.h"

namespace {

// The terminal's settings while a pause waits, so that an interrupt during
// the wait still gives the terminal back as it was.
termios savedTerminal;

void RestoreTerminalAndStop(int signalNumber) {
  tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
  signal(signalNumber, SIG_DFL);
  raise(signalNumber);
}

// Waits for one key press, read straight from the terminal with no echo:
// anything typed ahead that the console stream already holds stays for the
// next question.
void WaitForKey() {
  if (tcgetattr(STDIN_FILENO, &savedTerminal) != 0) return;
  termios raw = savedTerminal;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  const auto previousInt = signal(SIGINT, RestoreTerminalAndStop);
  const auto previousTerm = signal(SIGTERM, RestoreTerminalAndStop);
  const auto previousHup = signal(SIGHUP, RestoreTerminalAndStop);
  if (tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0) {
    char key;
    const ssize_t ignored = read(STDIN_FILENO, &key, 1);
    (void)ignored;
  }
  tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
  signal(SIGINT, previousInt);
  signal(SIGTERM, previousTerm);
  signal(SIGHUP, previousHup);
}

}  // namespace

void ClearScreen(std::ostream& out) {
  out.flush();
  if (!isatty(STDOUT_FILENO)) return;
  out << "\x1b[H\x1b[2J" << std::flush;  // cursor home, erase screen
}

void PauseForKey(std::ostream& out) {
  out.flush();
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) return;
  out << "Press any key to continue . . ." << std::flush;
  WaitForKey();
  out << std::endl;
}
