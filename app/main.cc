#include <iostream>
#include <string>
#include <vector>

#include "app/closed_output.h"
#include "app/command_line.h"
#include "app/menu.h"
#include "app/screen.h"

// With no argument the program is its menu; with arguments, a command.
int main(int argc, char** argv) {
  if (argc <= 1)
    return RunMenu(std::cin, std::cout, ProgramRuns(),
                   Screen{ClearScreen, PauseForKey});
  SurviveClosedOutput();
  const std::vector<std::string> args(argv + 1, argv + argc);
  Console console{std::cin, std::cout, std::cerr};
  return ExitCode(RunCommand(args, console));
}
