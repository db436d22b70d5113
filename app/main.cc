#include <iostream>

#include "app/menu.h"
#include "app/screen.h"

int main() {
  MenuActions actions = RealRuns();
  actions.clearScreen = ClearScreen;
  actions.pause = PauseForKey;
  return RunMenu(std::cin, std::cout, actions);
}
