#include <iostream>

#include "app/menu.h"
#include "app/screen.h"

int main() {
  return RunMenu(std::cin, std::cout, ProgramRuns(),
                 Screen{ClearScreen, PauseForKey});
}
