#include <io.h>

#include <cstdio>
#include <cstdlib>

#include "app/screen.h"

void ClearScreen(std::ostream& out) {
  out.flush();
  if (!_isatty(_fileno(stdout))) return;
  int ignored = std::system("CLS");
  (void)ignored;
}

void PauseForKey(std::ostream& out) {
  out.flush();
  if (!_isatty(_fileno(stdin)) || !_isatty(_fileno(stdout))) return;
  int ignored = std::system("PAUSE");
  (void)ignored;
}
