#include "app/menu.h"

#include <string>

#include "common/console.h"
#include "common/token_reads.h"

namespace {

constexpr const char* kIllegalOption = "Illegal option was entered, try again.";

void PrintMenu(std::ostream& out, RunTable runs) {
  PrintLine(out, "Please enter an option!");
  for (const RunEntry& entry : runs) PrintLine(out, entry.menuLine);
  PrintLine(out, Fill("{}) Quit", {kQuitKey}));
}

// Asks which units the run reports in. False when the answer is not an
// integer (the message has been printed) or the input has ended.
bool AskUnitSystem(std::istream& in, std::ostream& out, UnitSystem* units) {
  PrintLine(out, "Please enter an option!");
  PrintLine(out, "1) Use Standard Units");
  PrintLine(out, "2) Use Metric Units");
  int answer;
  if (ReadConsoleInt(in, answer)) {
    *units = UnitSystemFromAnswer(answer);
    return true;
  }
  if (!ConsoleEnded(in)) PrintLine(out, kIllegalOption);
  return false;
}

void ActOnChoice(std::istream& in, std::ostream& out, const std::string& choice,
                 RunTable runs) {
  const RunEntry* entry = FindRun(runs, choice);
  RunRequest request;
  if (choice == kNothingKey) {
    PrintLine(out, "nothing");
  } else if (!entry) {
    PrintLine(out, kIllegalOption);
  } else if (AskUnitSystem(in, out, &request.units)) {
    request.rows = entry->rows;
    Console console{in, out, out};
    entry->run(console, request);
  }
}

// Reads the next choice word and echoes it on a line of its own, unless it is
// the quit word. Only its first two characters are kept (every choice has one),
// and a longer word is echoed as it is read, so a word of any length costs no
// memory. False when the console input has ended.
bool ReadChoice(std::istream& in, std::ostream& out, std::string& choice) {
  int c = StartRead(in);
  if (c == kEnd) return false;
  choice.clear();
  for (; IsWordCharacter(c); c = Advance(in)) {
    const char typed = std::char_traits<char>::to_char_type(c);
    if (choice.size() == 2) {
      out.put(typed);
    } else {
      choice.push_back(typed);
      if (choice.size() == 2) out << choice;
    }
  }
  if (choice == kQuitKey) return true;
  if (choice.size() == 1) out << choice;
  out << std::endl;
  return true;
}

}  // namespace

int RunMenu(std::istream& in, std::ostream& out, RunTable runs,
            const Screen& screen) {
  std::string choice;
  PrintMenu(out, runs);
  while (ReadChoice(in, out, choice) && choice != kQuitKey) {
    screen.clear(out);
    ActOnChoice(in, out, choice, runs);
    if (ConsoleEnded(in)) return 0;
    screen.pause(out);
    screen.clear(out);
    PrintMenu(out, runs);
  }
  if (!ConsoleEnded(in)) screen.pause(out);
  return 0;
}
