// Whole sessions through the built program, its console piped, as a script
// would run it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "blend/test_bulletin.h"
#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

TEST(BinarySessionTest, QuitAtOnce) {
  TempDir dir;
  FinishedProgram run = RunProgram(dir, "8\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.printed, kMenuText);
}

TEST(BinarySessionTest, NothingThenAnIllegalWordThenQuit) {
  TempDir dir;
  FinishedProgram run = RunProgram(dir, "7\nabc\n8\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.printed, kMenuText + "7\nnothing\n" + kMenuText + "abc\n" +
                             "Illegal option was entered, try again.\n" +
                             kMenuText);
}

TEST(BinarySessionTest, EndOfInputEndsTheProgramWithStatusZero) {
  TempDir dir;
  FinishedProgram run = RunProgram(dir, "2 1");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.printed, kMenuText + "2\n" + kUnitQuestion +
                             "Running long-term model.\n" + kFilePrompt);
}

TEST(BinarySessionTest, TheStationBlendFromMenuToReport) {
  TempDir dir;
  WriteFile(dir.Path("guidance.txt"), TestBulletin(40).Text());
  FinishedProgram run = RunProgram(dir, "1 1 guidance.txt 0.5\n8\n");
  EXPECT_EQ(run.status, 0);
  // Every station at 40 in both models weighs to 40.0001658.
  EXPECT_NE(
      run.printed.find(
          "\n1      40.0002     40.0002     40.0002     40.0002     40.0002     40.0002\n"),
      std::string::npos)
      << run.printed;
  EXPECT_NE(run.printed.find("\nOutput file successfully created!\n"),
            std::string::npos);
  const std::string report = ReadFile(dir.Path("guidance.out"));
  EXPECT_NE(report.find("\n6     1.00    40.00     46.03     \n"),
            std::string::npos)
      << report;
}

TEST(BinarySessionTest, TheSampleGuidanceBulletin) {
  TempDir dir;
  WriteFile(dir.Path("orvanne_1200.txt"),
            ReadFile(ORVANNE_SAMPLES "/orvanne_1200.txt"));
  FinishedProgram run = RunProgram(dir, "1\n2\norvanne_1200.txt\n0.6\n8\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.printed.find("You have a valid file.\n"), std::string::npos);
  EXPECT_NE(run.printed.find("The AVNratio value then has to be: 0.4\n"),
            std::string::npos);
  EXPECT_NE(run.printed.find("Output file successfully created!\n"),
            std::string::npos);
  const std::string report = ReadFile(dir.Path("orvanne_1200.out"));
  EXPECT_EQ(
      report.rfind("1200 City of Orvanne Forecast Data (Metric Units)\n", 0),
      0u);
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 46);
  // Hour 24's eight directions lie between 34 and 03: north, not south.
  EXPECT_NE(report.find("\n24    0.10    0.15      "), std::string::npos);
}

// The same text with every line ended in "\r\n", as a Windows editor saves
// it, or in "\n" alone.
std::string WithCrLf(const std::string& text) {
  std::string crlf;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) crlf += '\r';
    crlf += text[i];
  }
  return crlf;
}

std::string WithLf(const std::string& text) {
  std::string lf;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lf += text[i];
  }
  return lf;
}

TEST(BinarySessionTest, AnswersTypedWithCrLfReadLikeLf) {
  TempDir dir;
  WriteFile(dir.Path("b.txt"), "KBKX\r\n");
  FinishedProgram run = RunProgram(dir, "2\r\n1\r\nb.txt\r\n8\r\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.printed, kMenuText + "2\n" + kUnitQuestion +
                             "Running long-term model.\n" + kFilePrompt +
                             "You have a valid file.\n"
                             "The bulletin has no \"FHR\" table.\n" +
                             kMenuText);
  EXPECT_FALSE(FileExists(dir.Path("b.out")));
}

// Every run on every sample bulletin: a copy with "\r\n" line ends gives
// the same console output and the same report bytes as one with "\n".
TEST(BinarySessionTest, CrLfBulletinsGiveTheSameReportsAsLf) {
  std::vector<std::filesystem::path> bulletins;
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator(ORVANNE_SAMPLES, error)) {
    if (entry.path().extension() == ".txt") bulletins.push_back(entry.path());
  }
  if (bulletins.empty())
    GTEST_SKIP() << "no sample bulletins in " ORVANNE_SAMPLES;
  for (const auto& bulletin : bulletins) {
    const std::string name = bulletin.filename().string();
    const std::string report = name.substr(0, name.size() - 3) + "out";
    const std::string text = ReadFile(bulletin.string());
    for (const char* entry : {"1", "2", "3", "4", "5", "6"}) {
      SCOPED_TRACE(name + " with menu entry " + entry);
      const std::string typed =
          std::string(entry) + "\n1\n" + name + "\n0.6\n8\n";
      TempDir lfDir;
      TempDir crlfDir;
      WriteFile(lfDir.Path(name), WithLf(text));
      WriteFile(crlfDir.Path(name), WithCrLf(text));
      FinishedProgram lf = RunProgram(lfDir, typed);
      FinishedProgram crlf = RunProgram(crlfDir, typed);
      EXPECT_EQ(lf.status, 0);
      EXPECT_EQ(crlf.status, 0);
      EXPECT_EQ(crlf.printed, lf.printed);
      // A run may refuse a bulletin meant for another run, but then alike.
      const bool written = FileExists(lfDir.Path(report));
      EXPECT_EQ(FileExists(crlfDir.Path(report)), written);
      if (written) {
        EXPECT_EQ(ReadFile(crlfDir.Path(report)), ReadFile(lfDir.Path(report)));
      }
    }
  }
}

// Help, the version and a run's lines that cannot reach standard output (a
// full disk) are a failure, said on standard error.
TEST(BinarySessionTest, StandardOutputOnAFullDiskFails) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  TempDir dir;
  std::filesystem::copy_file(ORVANNE_SAMPLES "/gfs_long.txt",
                             dir.Path("gfs_long.txt"));
  const std::pair<const char*, const char*> cases[] = {
      {"--help", "The help could not be written to standard output.\n"},
      {"--version", "The version could not be written to standard output.\n"},
      {"table gfs_long.txt",
       "The run's lines could not be written to standard output.\n"},
  };
  for (const auto& [option, line] : cases) {
    const std::string command = "cd '" + dir.path +
                                "' && '" ORVANNE_BINARY "' " + option +
                                " > /dev/full 2> err.txt";
    const int result = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(result)) << option;
    EXPECT_EQ(WEXITSTATUS(result), 1) << option;
    EXPECT_EQ(ReadFile(dir.Path("err.txt")), line);
  }
}

// A reader that has gone (`true` reads nothing) leaves the report and the
// picture written whole, and the run says its lines did not arrive.
TEST(BinarySessionTest, AClosedPipeStillGetsTheReportAndPicture) {
  TempDir dir;
  std::filesystem::copy_file(ORVANNE_SAMPLES "/orvanne_1200.txt",
                             dir.Path("orvanne_1200.txt"));
  const std::string command =
      "cd '" + dir.path + "' && (sleep 0.2; '" ORVANNE_BINARY
      "' blend --ratio 0.6 --plot week.svg orvanne_1200.txt 2> err.txt;"
      " echo $? > status.txt) | true";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(ReadFile(dir.Path("status.txt")), "1\n");
  EXPECT_EQ(ReadFile(dir.Path("err.txt")),
            "The run's lines could not be written to standard output.\n");
  const std::string report = ReadFile(dir.Path("orvanne_1200.out"));
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 46);
  EXPECT_TRUE(ReadFile(dir.Path("week.svg")).ends_with("</svg>\n"));
}

}  // namespace
