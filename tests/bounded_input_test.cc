// Whatever file is named, the program's memory stays bounded: large
// bulletins of every shape, run through the built program, may not raise
// its peak memory above that of a session on a small one.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

constexpr std::size_t kLargeSize = 64u << 20;  // 64 MiB
constexpr long kAllowedGrowthKiB = 4 << 10;    // 4 MiB

struct Session {
  int status;
  long peakKiB;
  std::string printed;
};

// Runs the program in `dir` on what console.in holds and measures its peak
// memory. The child's peak counts what it had before it started the
// program, so the caller holds no large input in memory here.
Session RunMeasuredOnConsoleFile(const TempDir& dir) {
  const pid_t child = fork();
  if (child == 0) {
    const int in = open(dir.Path("console.in").c_str(), O_RDONLY);
    const int out = open(dir.Path("console.out").c_str(),
                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || chdir(dir.path.c_str()) != 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    execl(ORVANNE_BINARY, ORVANNE_BINARY, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss,
          ReadFile(dir.Path("console.out"))};
}

Session RunMeasured(const TempDir& dir, const std::string& typed) {
  WriteFile(dir.Path("console.in"), typed);
  return RunMeasuredOnConsoleFile(dir);
}

// Writes `size` bytes made of `pattern` repeated.
void WriteRepeated(const std::string& path, const std::string& pattern,
                   std::size_t size) {
  std::ofstream file(path, std::ios::binary);
  std::string block;
  while (block.size() < (1u << 20)) block += pattern;
  block.resize(1u << 20);
  for (std::size_t written = 0; written < size; written += block.size())
    file << block;
}

class BoundedInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir_.Path("small.txt"), "KBKX NAM x x 12/08/2026 1200\n");
    baselineKiB_ = RunMeasured(dir_, "2 1 small.txt\n8\n").peakKiB;
  }

  // Runs `typed` and checks that it ends normally with `message` printed,
  // writes no report, and stays within the bound.
  void ExpectBounded(const std::string& typed, const std::string& message) {
    const Session session = RunMeasured(dir_, typed);
    EXPECT_EQ(session.status, 0);
    EXPECT_NE(session.printed.find(message + "\n"), std::string::npos)
        << session.printed;
    EXPECT_LT(session.peakKiB - baselineKiB_, kAllowedGrowthKiB)
        << "peak " << session.peakKiB << " KiB, baseline " << baselineKiB_;
    EXPECT_FALSE(FileExists(dir_.Path("large.out")));
  }

  TempDir dir_;
  long baselineKiB_ = 0;
};

TEST_F(BoundedInputTest, OrdinaryWordsWithoutTheLabel) {
  WriteRepeated(dir_.Path("large.txt"), "TMP 1012 |6| KBKX OV| 0.5\r\n",
                kLargeSize);
  ExpectBounded("2 1 large.txt\n8\n", "The bulletin has no \"FHR\" table.");
  ExpectBounded("6 2 large.txt\n8\n", "The bulletin has no \"FHR\" table.");
  ExpectBounded("1 1 large.txt\n8\n", "Your input file is invalid.");
}

TEST_F(BoundedInputTest, NoWhiteSpaceAtAll) {
  WriteRepeated(dir_.Path("large.txt"), "FHRKBKX|", kLargeSize);
  ExpectBounded("3 1 large.txt\n8\n", "The bulletin has no \"FHR\" table.");
  ExpectBounded("1 2 large.txt\n8\n", "Your input file is invalid.");
}

TEST_F(BoundedInputTest, AnEndlessNumberInATableRow) {
  {
    std::ofstream file(dir_.Path("large.txt"), std::ios::binary);
    file << "FHR |6| ";
  }
  {
    std::ofstream append(dir_.Path("large.txt"),
                         std::ios::binary | std::ios::app);
    const std::string digits(1u << 20, '7');
    for (std::size_t written = 0; written < kLargeSize;
         written += digits.size())
      append << digits;
  }
  ExpectBounded("5 1 large.txt\n8\n",
                "The table after \"FHR\" could not be read at row 1 of 15.");
}

TEST_F(BoundedInputTest, AnEndlessWordInTheBlendRows) {
  // Valid headers, then one endless word where the rows should be.
  std::string headers;
  const char* stations[] = {"KBKX", "KHON", "KMHE", "KFSD"};
  const char* models[] = {"NAM", "GFS", "GFSX"};
  const char* cycles[] = {"1200", "1200", "0000"};
  for (int group = 0; group < 3; ++group)
    for (const char* station : stations)
      headers += std::string(station) + " " + models[group] +
                 " MOS GUIDANCE 12/08/2026 " + cycles[group] + "\n";
  {
    std::ofstream file(dir_.Path("large.txt"), std::ios::binary);
    file << headers << "N/X";
  }
  WriteRepeated(dir_.Path("tail.txt"), "X", kLargeSize);
  {
    std::ofstream file(dir_.Path("large.txt"),
                       std::ios::binary | std::ios::app);
    file << std::ifstream(dir_.Path("tail.txt"), std::ios::binary).rdbuf()
         << "\n";
  }
  ExpectBounded(
      "1 1 large.txt\n8\n",
      "The bulletin could not be read: row \"N/X\" of section 1 (KBKX) is missing or incomplete.");
}

TEST_F(BoundedInputTest, AnEndlessAnswerOnTheConsole) {
  // An endless menu word is echoed as it is read, and an endless unit answer
  // is a number too large: neither is held.
  {
    WriteRepeated(dir_.Path("word.txt"), "9", kLargeSize);
    std::ofstream console(dir_.Path("console.in"), std::ios::binary);
    console << std::ifstream(dir_.Path("word.txt"), std::ios::binary).rdbuf()
            << "\n1 "
            << std::ifstream(dir_.Path("word.txt"), std::ios::binary).rdbuf()
            << "\n8\n";
  }
  const Session session = RunMeasuredOnConsoleFile(dir_);
  EXPECT_EQ(session.status, 0);
  const std::string illegal = "Illegal option was entered, try again.\n";
  EXPECT_EQ(session.printed.size(), 3 * kMenuText.size() + kLargeSize + 1 +
                                        illegal.size() + 2 +
                                        kUnitQuestion.size() + illegal.size());
  EXPECT_LT(session.peakKiB - baselineKiB_, kAllowedGrowthKiB);
}

TEST_F(BoundedInputTest, WhatIsNotARegularFileIsNeverRead) {
  ASSERT_EQ(mkfifo(dir_.Path("pipe.txt").c_str(), 0644), 0);
  const Session session = RunMeasured(
      dir_, "2 1 /dev/zero\n6 1 pipe.txt\n1 1 " + dir_.path + "\n8\n");
  EXPECT_EQ(session.status, 0);
  std::size_t refusals = 0;
  for (std::size_t at = 0;
       (at = session.printed.find(
            "You entered a file name wich does not exist in the directory.\n",
            at)) != std::string::npos;
       ++at)
    ++refusals;
  EXPECT_EQ(refusals, 3u);
}

}  // namespace
