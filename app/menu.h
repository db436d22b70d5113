#ifndef ORVANNE_APP_MENU_H_
#define ORVANNE_APP_MENU_H_

#include <istream>
#include <ostream>

// What the menu calls. The program wires the real runs and the console
// platform layer; tests put in their own to watch the dispatch.
struct MenuActions {
  void (*stationBlend)(std::istream& in, std::ostream& out, int unitSystem);
  void (*modelTable)(std::istream& in, std::ostream& out, int rows,
                     int unitSystem);
  void (*severeWeather)(std::istream& in, std::ostream& out, int unitSystem);
  void (*clearScreen)(std::ostream& out);
  void (*pause)(std::ostream& out);
};

// The three runs, with a screen layer that does nothing.
MenuActions RealRuns();

// The menu loop: shows the menu, reads choice words and dispatches until the
// choice "8", or until the console input ends (then it stops at once).
// Returns the process exit status, always 0.
int RunMenu(std::istream& in, std::ostream& out, const MenuActions& actions);

#endif  // ORVANNE_APP_MENU_H_
