#include "common/run_frame.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

constexpr const char* kMissing =
    "You entered a file name wich does not exist in the directory.\n";

struct Asked {
  bool accepted;
  std::string name;
  std::string printed;
  std::string leftOver;
};

Asked Ask(const std::string& typed) {
  std::istringstream in(typed);
  std::ostringstream out;
  Asked asked;
  Console console{in, out, out};
  asked.accepted = AskForBulletin(console, RunRequest{}, &asked.name);
  asked.printed = out.str();
  std::getline(in, asked.leftOver);
  return asked;
}

void WriteHello(std::ostream& report) { report << "hello\n"; }

// Writes a report with `out` as the whole console.
bool WriteReportOn(const std::string& bulletinName, std::ostream& out,
                   std::string_view successMessage,
                   const std::function<void(std::ostream&)>& write) {
  std::istringstream in;
  Console console{in, out, out};
  return WriteReport(bulletinName, console, successMessage, write);
}

TEST(AskForBulletinTest, AcceptsAReadableFileAndLeavesTheRestOfTheLine) {
  TempDir dir;
  WriteFile(dir.Path("eta.txt"), "x");
  Asked asked = Ask(dir.Path("eta.txt") + " 7\n");
  EXPECT_TRUE(asked.accepted);
  EXPECT_EQ(asked.name, dir.Path("eta.txt"));
  EXPECT_EQ(asked.printed, kFilePrompt);
  EXPECT_EQ(asked.leftOver, " 7");
}

TEST(AskForBulletinTest, RefusesWhatIsNotAReadableRegularFile) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path("folder.txt"));
  for (const std::string& name :
       {dir.Path("missing.txt"), dir.Path("folder.txt"),
        std::string("/dev/null")}) {
    Asked asked = Ask(name + "\n");
    EXPECT_FALSE(asked.accepted) << name;
    EXPECT_EQ(asked.printed, kFilePrompt + kMissing) << name;
  }
}

TEST(AskForBulletinTest, RefusesANameShorterThanThreeCharacters) {
  TempDir dir;
  WorkingFolder inside(dir.path);
  WriteFile("ab", "x");
  Asked asked = Ask("ab\n");
  EXPECT_FALSE(asked.accepted);
  EXPECT_EQ(
      asked.printed,
      kFilePrompt + "The file name must be at least three characters long.\n");
}

TEST(AskForBulletinTest, NeverLetsTheReportReplaceTheBulletin) {
  TempDir dir;
  WriteFile(dir.Path("guidance.out"), "x");
  WriteFile(dir.Path("linked.txt"), "x");
  std::filesystem::create_symlink(dir.Path("linked.txt"),
                                  dir.Path("linked.out"));
  const std::string refused =
      kFilePrompt +
      "The report file would replace the bulletin itself; rename the bulletin first.\n";
  EXPECT_EQ(Ask(dir.Path("guidance.out")).printed, refused);
  EXPECT_EQ(Ask(dir.Path("linked.txt")).printed, refused);
  EXPECT_EQ(ReadFile(dir.Path("linked.txt")), "x");
}

TEST(AskForBulletinTest, EndOfInputPrintsNothingMore) {
  Asked asked = Ask("   \n");
  EXPECT_FALSE(asked.accepted);
  EXPECT_EQ(asked.printed, kFilePrompt);
}

TEST(WriteReportTest, WritesClosesThenReportsSuccess) {
  TempDir dir;
  WriteFile(dir.Path("eta.out"), "an older, longer report\n");
  std::ostringstream out;
  EXPECT_TRUE(WriteReportOn(dir.Path("eta.txt"), out,
                            "Output file successfully created!", WriteHello));
  EXPECT_EQ(out.str(), "Output file successfully created!\n");
  EXPECT_EQ(ReadFile(dir.Path("eta.out")), "hello\n");
}

TEST(WriteReportTest, AnEmptySuccessMessagePrintsNothing) {
  TempDir dir;
  std::ostringstream out;
  EXPECT_TRUE(
      WriteReportOn(dir.Path("eta.txt"), out, "", [](std::ostream&) {}));
  EXPECT_EQ(out.str(), "");
  EXPECT_TRUE(FileExists(dir.Path("eta.out")));
}

TEST(WriteReportTest, AReportThatCannotBeCreatedIsSaidSo) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path("eta.out"));
  std::ostringstream out;
  EXPECT_FALSE(WriteReportOn(dir.Path("eta.txt"), out,
                             "Output file created successfully.", WriteHello));
  EXPECT_EQ(out.str(), "The report file " + dir.Path("eta.out") +
                           " could not be created.\n");
}

TEST(WriteReportTest, AReadOnlyFolderIsSaidSo) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempDir dir;
  std::filesystem::create_directory(dir.Path("locked"));
  std::filesystem::permissions(
      dir.Path("locked"),
      std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  std::ostringstream out;
  EXPECT_FALSE(WriteReportOn(dir.Path("locked/eta.txt"), out,
                             "Output file created successfully.", WriteHello));
  EXPECT_EQ(out.str(), "The report file " + dir.Path("locked/eta.out") +
                           " could not be created.\n");
}

TEST(ReportFileNameTest, ReplacesTheLastThreeCharacters) {
  EXPECT_EQ(ReportFileName("bulletin.txt"), "bulletin.out");
  EXPECT_EQ(ReportFileName("gfs.text"), "gfs.tout");
  EXPECT_EQ(ReportFileName("abc"), "out");
  EXPECT_EQ(ReportFileName("noextension"), "noextensout");
}

TEST(ReportFileNameTest, KeepsTheFolders) {
  EXPECT_EQ(ReportFileName("data/today/eta.txt"), "data/today/eta.out");
  EXPECT_EQ(ReportFileName("../x.txt"), "../x.out");
}

TEST(ReportFileNameTest, LongNamesAreNotCut) {
  const std::string name(200, 'a');
  EXPECT_EQ(ReportFileName(name + ".txt"), name + ".out");
}

}  // namespace

namespace {

// Names and report paths a careless or hostile user may hand the run frame:
// each is refused with its one line and leaves every file as it was, or is
// accepted and writes its report next to the bulletin.
TEST(RunFrameTest, NamesWithNulsShortLastPartsAndSpecialReportPaths) {
  TempDir dir;
  WorkingFolder inside(dir.path);
  std::filesystem::create_directory("d.x");
  std::filesystem::create_directory("a");
  for (const char* name :
       {"ab", "s.txt", "t.txt", "d.x/b", "a/b", "x", "a/abc"})
    WriteFile(name, "bulletin");
  WriteFile("target.txt", "older");
  mkfifo("fifo.out", 0644);
  std::filesystem::create_symlink("/dev/null", "null.out");
  std::filesystem::create_symlink("target.txt", "linked.out");
  for (const char* name : {"fifo.txt", "null.txt", "linked.txt"})
    WriteFile(name, "bulletin");
  const std::string missing =
      "You entered a file name wich does not exist in the directory.\n";
  const std::string tooShort =
      "The file name must be at least three characters long.\n";
  const struct {
    std::string typed;
    std::string printed;
  } cases[] = {
      {std::string("ab\0\n", 4), missing},
      {std::string("s.txt\0zz\n", 9), missing},
      {std::string("t.txt\0xyz\n", 10), missing},
      {"d.x/b\n", tooShort},
      {"a/b\n", tooShort},
      {"./x\n", tooShort},
      {"fifo.txt\n", "The report file fifo.out could not be created.\n"},
      {"null.txt\n", "The report file null.out could not be created.\n"},
      {"a/abc\n", "done\n"},
      {"linked.txt\n", "done\n"},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.typed);
    std::ostringstream out;
    Console console{in, out, out};
    std::string name;
    if (AskForBulletin(console, RunRequest{}, &name))
      WriteReport(name, console, "done", WriteHello);
    EXPECT_EQ(out.str(), kFilePrompt + c.printed) << c.typed;
  }
  // Only the two accepted names wrote, each its own report.
  EXPECT_EQ(ReadFile("a/abc"), "bulletin");
  EXPECT_EQ(ReadFile("a/out"), "hello\n");
  EXPECT_EQ(ReadFile("target.txt"), "hello\n");
  for (const char* name : {"out", "s.txtout", "d.out", "d.x/out", "a/out.txt"})
    EXPECT_FALSE(FileExists(name)) << name;
  EXPECT_TRUE(std::filesystem::is_fifo("fifo.out"));
}

}  // namespace
