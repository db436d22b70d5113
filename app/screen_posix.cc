#include "app/screen.h"

#include <termios.h>
#include <unistd.h>

void ClearScreen(std::ostream& out) {
  out.flush();
  if (!isatty(STDOUT_FILENO)) return;
  out << "\x1b[H\x1b[2J" << std::flush;  // cursor home, erase screen
}

void PauseForKey(std::ostream& out) {
  out.flush();
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) return;
  out << "Press any key to continue . . ." << std::flush;

  termios saved;
  if (tcgetattr(STDIN_FILENO, &saved) == 0) {
    termios raw = saved;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    if (tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0) {
      // Read the key straight from the terminal: anything typed ahead that
      // the console stream already holds stays for the next question.
      char key;
      ssize_t ignored = read(STDIN_FILENO, &key, 1);
      (void)ignored;
    }
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  }
  out << std::endl;
}
