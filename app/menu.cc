#include "app/menu.h"

#include <string>

#include "blend/run_station_blend.h"
#include "common/console_reads.h"
#include "common/read_ahead.h"
#include "common/run_frame.h"
#include "tables/run_model_table.h"
#include "tables/run_severe_weather.h"

namespace {

void NoScreen(std::ostream&) {}

void PrintMenu(std::ostream& out) {
  PrintLine(out, "Please enter an option!");
  PrintLine(out, "1) Run 1200 Model");
  PrintLine(out, "2) Run Long GFS Model");
  PrintLine(out, "3) Run Short GFS Model");
  PrintLine(out, "4) Run Long ETA Model");
  PrintLine(out, "5) Run Long AVN Model");
  PrintLine(out, "6) Run Severe Weather Model");
  PrintLine(out, "8) Quit");
}

constexpr const char* kIllegalOption = "Illegal option was entered, try again.";

// Asks which units the run reports in. False when the answer is not an
// integer (the message has been printed) or the input has ended.
bool AskUnitSystem(std::istream& in, std::ostream& out, int& unitSystem) {
  PrintLine(out, "Please enter an option!");
  PrintLine(out, "1) Use Standard Units");
  PrintLine(out, "2) Use Metric Units");
  if (ReadConsoleInt(in, unitSystem)) return true;
  if (!ConsoleEnded(in)) PrintLine(out, kIllegalOption);
  return false;
}

// Rows each model table entry reads, "2" to "5".
int ModelTableRows(char choice) {
  switch (choice) {
    case '2':
      return 48;
    case '3':
      return 29;
    case '4':
      return 29;
    default:
      return 15;
  }
}

void ActOnChoice(std::istream& in, std::ostream& out, const std::string& choice,
                 const MenuActions& actions, int& unitSystem) {
  const bool isRun = choice.size() == 1 && choice[0] >= '1' && choice[0] <= '6';
  if (choice == "7") {
    PrintLine(out, "nothing");
  } else if (!isRun) {
    PrintLine(out, kIllegalOption);
  } else if (AskUnitSystem(in, out, unitSystem)) {
    if (choice == "1") {
      actions.stationBlend(in, out, unitSystem);
    } else if (choice == "6") {
      actions.severeWeather(in, out, unitSystem);
    } else {
      actions.modelTable(in, out, ModelTableRows(choice[0]), unitSystem);
    }
  }
}

// Reads the next choice word and echoes it on a line of its own, unless it is
// "8". Only its first two characters are kept (every choice has one), and a
// longer word is echoed as it is read, so a word of any length costs no
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
  if (choice == "8") return true;
  if (choice.size() == 1) out << choice;
  out << std::endl;
  return true;
}

}  // namespace

MenuActions RealRuns() {
  return MenuActions{RunStationBlend, RunModelTable, RunSevereWeather, NoScreen,
                     NoScreen};
}

int RunMenu(std::istream& in, std::ostream& out, const MenuActions& actions) {
  int unitSystem = 0;  // kept from one run to the next, as typed
  std::string choice;
  PrintMenu(out);
  while (ReadChoice(in, out, choice) && choice != "8") {
    actions.clearScreen(out);
    ActOnChoice(in, out, choice, actions, unitSystem);
    if (ConsoleEnded(in)) return 0;
    actions.pause(out);
    actions.clearScreen(out);
    PrintMenu(out);
  }
  if (!ConsoleEnded(in)) actions.pause(out);
  return 0;
}
