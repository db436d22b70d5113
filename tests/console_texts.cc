#include "tests/console_texts.h"

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

FinishedProgram RunProgram(const TempDir& dir, const std::string& typed) {
  WriteFile(dir.Path("console.in"), typed);
  const std::string command = "cd '" + dir.path + "' && '" ORVANNE_BINARY
                              "' < console.in > console.out 2>&1";
  const int result = std::system(command.c_str());
  return {WIFEXITED(result) ? WEXITSTATUS(result) : -1,
          ReadFile(dir.Path("console.out"))};
}
