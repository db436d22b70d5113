#ifndef ORVANNE_APP_MENU_H_
#define ORVANNE_APP_MENU_H_

#include <istream>
#include <ostream>

#include "app/run_table.h"

// The console's screen operations between two choices. The program passes
// the platform layer's; tests pass their own.
struct Screen {
  void (*clear)(std::ostream& out);
  void (*pause)(std::ostream& out);
};

// The menu loop: lists `runs`, reads choice words and dispatches until the
// choice "8", or until the console input ends (then it stops at once).
// Returns the process exit status, always 0.
int RunMenu(std::istream& in, std::ostream& out, RunTable runs,
            const Screen& screen);

#endif  // ORVANNE_APP_MENU_H_
