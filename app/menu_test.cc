#include "app/menu.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

const std::string kIllegal = "Illegal option was entered, try again.\n";

// The fake runs and screen write what they were asked into the console, so
// one string shows the whole session in order.
const char* UnitName(UnitSystem units) {
  switch (units) {
    case UnitSystem::kStandard:
      return "standard";
    case UnitSystem::kMetric:
      return "metric";
    case UnitSystem::kAsTyped:
      break;
  }
  return "as-typed";
}
bool FakeBlend(Console& console, const RunRequest& request) {
  console.out << "[blend " << UnitName(request.units) << "]\n";
  return true;
}
bool FakeTable(Console& console, const RunRequest& request) {
  console.out << "[table " << request.rows << " " << UnitName(request.units)
              << "]\n";
  return true;
}
bool FakeSevere(Console& console, const RunRequest& request) {
  console.out << "[severe " << UnitName(request.units) << "]\n";
  return true;
}
void FakeClear(std::ostream& out) { out << "[clear]\n"; }
void FakePause(std::ostream& out) { out << "[pause]\n"; }

const Screen kFakeScreen{FakeClear, FakePause};

// The program's menu entries, each calling the fake of its kind.
std::vector<RunEntry> FakeRuns() {
  std::vector<RunEntry> runs(ProgramRuns().begin(), ProgramRuns().end());
  for (RunEntry& entry : runs)
    entry.run = entry.key == "1"   ? FakeBlend
                : entry.key == "6" ? FakeSevere
                                   : FakeTable;
  return runs;
}

std::string Session(const std::string& typed, int* status = nullptr) {
  std::istringstream in(typed);
  std::ostringstream out;
  const int result = RunMenu(in, out, FakeRuns(), kFakeScreen);
  if (status) *status = result;
  return out.str();
}

TEST(MenuTest, EightFirstPausesOnceAndEnds) {
  int status = -1;
  EXPECT_EQ(Session("8\n", &status), kMenuText + "[pause]\n");
  EXPECT_EQ(status, 0);
}

TEST(MenuTest, SevenPrintsNothingThenShowsTheMenuAgain) {
  EXPECT_EQ(Session("7\n8\n"), kMenuText +
                                   "7\n[clear]\nnothing\n[pause]\n[clear]\n" +
                                   kMenuText + "[pause]\n");
}

TEST(MenuTest, IllegalWordsAskNoUnitQuestion) {
  for (const std::string word : {"9", "0", "abc", "1)", "01", "1x", "88"}) {
    EXPECT_EQ(Session(word + "\n8\n"), kMenuText + word + "\n[clear]\n" +
                                           kIllegal + "[pause]\n[clear]\n" +
                                           kMenuText + "[pause]\n")
        << word;
  }
}

TEST(MenuTest, ALongWordIsEchoedWhole) {
  const std::string word = "8" + std::string(300, 'x') + "8";
  EXPECT_EQ(Session(word + " 8x\n8\n"),
            kMenuText + word + "\n[clear]\n" + kIllegal + "[pause]\n[clear]\n" +
                kMenuText + "8x\n[clear]\n" + kIllegal + "[pause]\n[clear]\n" +
                kMenuText + "[pause]\n");
}

TEST(MenuTest, EachRunGetsItsRowCountAndTheUnitAsTyped) {
  EXPECT_EQ(Session("1 1\n8\n"), kMenuText + "1\n[clear]\n" + kUnitQuestion +
                                     "[blend standard]\n[pause]\n[clear]\n" +
                                     kMenuText + "[pause]\n");
  const std::string typed = "2 2 3 3 4 0 5 -1 6 7 1 2147483647 8";
  const std::string printed = Session(typed);
  std::string calls;
  std::istringstream lines(printed);
  for (std::string line; std::getline(lines, line);)
    if (line.starts_with("[blend") || line.starts_with("[table") ||
        line.starts_with("[severe"))
      calls += line + "\n";
  EXPECT_EQ(calls,
            "[table 48 metric]\n[table 29 as-typed]\n[table 29 as-typed]\n"
            "[table 15 as-typed]\n[severe as-typed]\n[blend as-typed]\n");
}

TEST(MenuTest, ANonIntegerUnitAnswerStartsNoRun) {
  EXPECT_EQ(Session("1 x 8\n"), kMenuText + "1\n[clear]\n" + kUnitQuestion +
                                    kIllegal + "[pause]\n[clear]\n" +
                                    kMenuText + "[pause]\n");
  EXPECT_EQ(Session("6 99999999999 8\n"),
            kMenuText + "6\n[clear]\n" + kUnitQuestion + kIllegal +
                "[pause]\n[clear]\n" + kMenuText + "[pause]\n");
}

TEST(MenuTest, AnIntegerGluedToAWordAnswersTwoQuestions) {
  // "2abc" is the unit 2; "abc" is then the next word for the menu.
  const std::string printed = Session("6 2abc\n8\n");
  EXPECT_EQ(printed, kMenuText + "6\n[clear]\n" + kUnitQuestion +
                         "[severe metric]\n[pause]\n[clear]\n" + kMenuText +
                         "abc\n[clear]\n" + kIllegal + "[pause]\n[clear]\n" +
                         kMenuText + "[pause]\n");
}

TEST(MenuTest, EndOfInputStopsAtOnceAtEveryQuestion) {
  int status = -1;
  EXPECT_EQ(Session("", &status), kMenuText);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Session("7\n", &status),
            kMenuText + "7\n[clear]\nnothing\n[pause]\n[clear]\n" + kMenuText);
  EXPECT_EQ(Session("3\n", &status),
            kMenuText + "3\n[clear]\n" + kUnitQuestion);
  EXPECT_EQ(status, 0);
}

// The real runs, through the menu, in a temporary folder.
TEST(MenuTest, RealRunsAskForTheFileAndTheNextWordIsTheNextChoice) {
  TempDir dir;
  WriteFile(dir.Path("table.txt"), "FHR\n");
  std::istringstream in("5 1 " + dir.Path("missing.txt") + " 7\n8\n");
  std::ostringstream out;
  EXPECT_EQ(RunMenu(in, out, ProgramRuns(), kNoScreen), 0);
  EXPECT_EQ(
      out.str(),
      kMenuText + "5\n" + kUnitQuestion + "Running long-term model.\n" +
          kFilePrompt +
          "You entered a file name wich does not exist in the directory.\n" +
          kMenuText + "7\nnothing\n" + kMenuText);
  EXPECT_FALSE(FileExists(dir.Path("missing.out")));
}

TEST(MenuTest, EndOfInputAtTheFilePromptWritesNoReport) {
  std::istringstream in("6 1");
  std::ostringstream out;
  EXPECT_EQ(RunMenu(in, out, ProgramRuns(), kNoScreen), 0);
  EXPECT_EQ(out.str(), kMenuText + "6\n" + kUnitQuestion +
                           "Running ETA Severe Weather Model.\n" + kFilePrompt);
}

}  // namespace
