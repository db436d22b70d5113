#include "assemble/replace_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>

#include "assemble/assemble.h"
#include "assemble/test_products.h"
#include "tests/temp_dir.h"

namespace {

std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

TEST(ReplaceFileTest, ReplacesTheFileWhole) {
  TempDir dir;
  WriteFile(dir.Path("today.txt"), "old\n");
  std::string error;
  EXPECT_TRUE(ReplaceFile(
      dir.Path("today.txt"),
      [](std::ostream& out) { return static_cast<bool>(out << "new\n"); },
      &error));
  EXPECT_EQ(ReadFile(dir.Path("today.txt")), "new\n");
  EXPECT_EQ(FilesIn(dir.path), std::set<std::string>{"today.txt"});
}

TEST(ReplaceFileTest, AFailedWriteLeavesNoFileAndTheOlderOneAsItWas) {
  TempDir dir;
  WriteFile(dir.Path("old.txt"), "old\n");
  // Half written, then the writer gives up.
  auto halfWay = [](std::ostream& out) {
    out << std::string(100000, 'x');
    return false;
  };
  std::string error;
  EXPECT_FALSE(ReplaceFile(dir.Path("old.txt"), halfWay, &error));
  EXPECT_EQ(error,
            "The bulletin " + dir.Path("old.txt") + " could not be written.");
  EXPECT_FALSE(ReplaceFile(dir.Path("new.txt"), halfWay, &error));
  EXPECT_EQ(ReadFile(dir.Path("old.txt")), "old\n");
  EXPECT_EQ(FilesIn(dir.path), std::set<std::string>{"old.txt"});

  // A folder in the way of the rename.
  std::filesystem::create_directory(dir.Path("folder"));
  EXPECT_FALSE(ReplaceFile(
      dir.Path("folder"),
      [](std::ostream& out) { return static_cast<bool>(out << "x"); }, &error));
  EXPECT_EQ(error,
            "The bulletin " + dir.Path("folder") + " could not be written.");
  EXPECT_EQ(FilesIn(dir.path), (std::set<std::string>{"folder", "old.txt"}));

  // A pipe is never replaced; a link to a file is written through.
  mkfifo(dir.Path("pipe.txt").c_str(), 0644);
  EXPECT_FALSE(ReplaceFile(
      dir.Path("pipe.txt"), [](std::ostream&) { return true; }, &error));
  EXPECT_EQ(error,
            "The bulletin " + dir.Path("pipe.txt") + " could not be created.");
  EXPECT_TRUE(std::filesystem::is_fifo(dir.Path("pipe.txt")));
  std::filesystem::create_symlink(dir.Path("old.txt"), dir.Path("link.txt"));
  EXPECT_TRUE(ReplaceFile(
      dir.Path("link.txt"),
      [](std::ostream& out) { return static_cast<bool>(out << "new\n"); },
      &error));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.txt")));
  EXPECT_EQ(ReadFile(dir.Path("old.txt")), "new\n");

  // A folder that is not there.
  EXPECT_FALSE(ReplaceFile(
      dir.Path("gone/today.txt"), [](std::ostream&) { return true; }, &error));
  EXPECT_EQ(error, "The bulletin " + dir.Path("gone/today.txt") +
                       " could not be created.");
}

// The whole command, its output cut off by a file size limit as a full
// disk would: refused, and OUT as it was.
TEST(ReplaceFileTest, AnInterruptedBulletinLeavesTheOlderOneAsItWas) {
  TempDir inputs, outputs;
  const TestProducts products = MakeTestProducts();
  const std::vector<std::string> files = {
      inputs.Path("nam.txt"), inputs.Path("gfs.txt"), inputs.Path("gfsx.txt")};
  WriteFile(files[0], Product(products.primary));
  WriteFile(files[1], Product(products.secondary));
  WriteFile(files[2], Product(products.extended));
  const std::string today = outputs.Path("today.txt");
  WriteFile(today, "yesterday's bulletin\n");
  ASSERT_GT(products.Bulletin().size(), 8192u);

  for (const bool older : {true, false}) {
    if (!older) std::filesystem::remove(today);
    const pid_t child = fork();
    if (child == 0) {
      const rlimit limit{8192, 8192};
      std::signal(SIGXFSZ, SIG_IGN);
      std::ofstream err(inputs.Path("err.txt"));
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(99);
      const int status = RunAssemble({files, today, ""}, err, err);
      err.close();
      _exit(status);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadFile(inputs.Path("err.txt")),
              "The bulletin " + today + " could not be written.\n");
    if (older) {
      EXPECT_EQ(ReadFile(today), "yesterday's bulletin\n");
      EXPECT_EQ(FilesIn(outputs.path), std::set<std::string>{"today.txt"});
    } else {
      EXPECT_TRUE(FilesIn(outputs.path).empty());
    }
  }
}

}  // namespace
