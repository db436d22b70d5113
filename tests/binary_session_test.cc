// Whole sessions through the built program, its console piped, as a script
// would run it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/temp_dir.h"

namespace {

const std::string kMenu =
    "Please enter an option!\n"
    "1) Run 1200 Model\n"
    "2) Run Long GFS Model\n"
    "3) Run Short GFS Model\n"
    "4) Run Long ETA Model\n"
    "5) Run Long AVN Model\n"
    "6) Run Severe Weather Model\n"
    "8) Quit\n";

struct Finished {
  int status;
  std::string printed;
};

// Runs the program in `dir` with `typed` as its standard input.
Finished RunProgram(const TempDir& dir, const std::string& typed) {
  WriteFile(dir.Path("console.in"), typed);
  const std::string command = "cd '" + dir.path + "' && '" ORVANNE_BINARY
                              "' < console.in > console.out 2>&1";
  const int result = std::system(command.c_str());
  return {WIFEXITED(result) ? WEXITSTATUS(result) : -1,
          ReadFile(dir.Path("console.out"))};
}

TEST(BinarySessionTest, QuitAtOnce) {
  TempDir dir;
  Finished run = RunProgram(dir, "8\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.printed, kMenu);
}

TEST(BinarySessionTest, NothingThenAnIllegalWordThenQuit) {
  TempDir dir;
  Finished run = RunProgram(dir, "7\nabc\n8\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.printed, kMenu + "7\nnothing\n" + kMenu + "abc\n" +
                             "Illegal option was entered, try again.\n" + kMenu);
}

TEST(BinarySessionTest, EndOfInputEndsTheProgramWithStatusZero) {
  TempDir dir;
  Finished run = RunProgram(dir, "2 1");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.printed,
            kMenu + "2\n" +
                "Please enter an option!\n1) Use Standard Units\n2) Use Metric Units\n"
                "Running long-term model.\n"
                "Please enter the name of the file with the .txt extension: ");
}

}  // namespace
