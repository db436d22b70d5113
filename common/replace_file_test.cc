#include "common/replace_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>

#include "tests/temp_dir.h"

namespace {

bool WriteNew(std::ostream& out) { return static_cast<bool>(out << "new\n"); }

// The failure of replacing `path` by `write`, or nothing when it worked.
std::string FailureOf(const std::string& path,
                      const std::function<bool(std::ostream&)>& write,
                      Durability durability = Durability::kFlushed) {
  ReplaceFailure failure;
  if (ReplaceFile(path, write, &failure, nullptr, durability)) return "";
  return failure == ReplaceFailure::kNotCreated ? "not created" : "not written";
}

TEST(ReplaceFileTest, AFailureLeavesNoFileAndTheOlderOneAsItWas) {
  TempDir dir;
  WriteFile(dir.Path("old.txt"), "old\n");
  // Half written, then the writer gives up.
  auto halfWay = [](std::ostream& out) {
    out << std::string(100000, 'x');
    return false;
  };
  EXPECT_EQ(FailureOf(dir.Path("old.txt"), halfWay), "not written");
  EXPECT_EQ(FailureOf(dir.Path("new.txt"), halfWay), "not written");
  EXPECT_EQ(ReadFile(dir.Path("old.txt")), "old\n");
  EXPECT_EQ(FilesIn(dir.path), std::set<std::string>{"old.txt"});

  // Nothing is made in place of a folder, a pipe or a device, nor in a
  // folder that is not there.
  std::filesystem::create_directory(dir.Path("folder"));
  mkfifo(dir.Path("pipe.txt").c_str(), 0644);
  std::filesystem::create_symlink("/dev/null", dir.Path("null.txt"));
  for (const char* name : {"folder", "pipe.txt", "null.txt", "gone/new.txt"})
    EXPECT_EQ(FailureOf(dir.Path(name), WriteNew), "not created") << name;
  EXPECT_TRUE(std::filesystem::is_fifo(dir.Path("pipe.txt")));
  EXPECT_EQ(FilesIn(dir.path), (std::set<std::string>{"folder", "null.txt",
                                                      "old.txt", "pipe.txt"}));
}

// As opening it for writing would refuse: a file of mode 444 stays.
TEST(ReplaceFileTest, AFileTheUserMayNotWriteIsNotReplaced) {
  if (geteuid() == 0) GTEST_SKIP() << "root may replace any file";
  TempDir dir;
  WriteFile(dir.Path("kept.out"), "old\n");
  chmod(dir.Path("kept.out").c_str(), 0444);
  ReplaceFailure failure;
  std::string reason;
  EXPECT_FALSE(ReplaceFile(dir.Path("kept.out"), WriteNew, &failure, &reason));
  EXPECT_EQ(failure, ReplaceFailure::kNotCreated);
  EXPECT_EQ(reason, "Permission denied");
  EXPECT_EQ(ReadFile(dir.Path("kept.out")), "old\n");
  EXPECT_EQ(FilesIn(dir.path), std::set<std::string>{"kept.out"});
}

TEST(ReplaceFileTest, ALinkIsWrittenThroughAndKept) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path("data"));
  WriteFile(dir.Path("data/old.txt"), "old\n");
  std::filesystem::create_symlink("data/old.txt", dir.Path("link.txt"));
  std::filesystem::create_symlink("later.txt", dir.Path("data/ahead.txt"));
  EXPECT_EQ(FailureOf(dir.Path("link.txt"), WriteNew), "");
  EXPECT_EQ(FailureOf(dir.Path("data/ahead.txt"), WriteNew), "");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.txt")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("data/ahead.txt")));
  EXPECT_EQ(ReadFile(dir.Path("data/old.txt")), "new\n");
  EXPECT_EQ(ReadFile(dir.Path("data/later.txt")), "new\n");
  EXPECT_EQ(FilesIn(dir.Path("data")),
            (std::set<std::string>{"ahead.txt", "later.txt", "old.txt"}));
}

// A file replaced keeps its mode, a new one gets the umask's; any name the
// file system takes, up to 255 bytes, is replaced beside itself.
TEST(ReplaceFileTest, KeepsTheModeAndTakesTheLongestName) {
  TempDir dir;
  const std::string longest(255, 'n');
  WriteFile(dir.Path("private.txt"), "old\n");
  chmod(dir.Path("private.txt").c_str(), 0600);
  WriteFile(dir.Path("page.html"), "old\n");
  chmod(dir.Path("page.html").c_str(), 0640);
  // A page, which is made again whenever asked, is written whole alike,
  // only not flushed to disk.
  const struct {
    std::string name;
    mode_t umask;
    mode_t mode;
    Durability durability = Durability::kFlushed;
  } cases[] = {
      {"private.txt", 022, 0600},
      {"shared.txt", 022, 0644},
      {"own.txt", 077, 0600},
      {longest, 002, 0664},
      {"page.html", 022, 0640, Durability::kRebuildable},
      {"new.html", 027, 0640, Durability::kRebuildable},
  };
  for (const auto& c : cases) {
    const mode_t previous = umask(c.umask);
    EXPECT_EQ(FailureOf(dir.Path(c.name), WriteNew, c.durability), "")
        << c.name;
    umask(previous);
    struct stat written {};
    ASSERT_EQ(stat(dir.Path(c.name).c_str(), &written), 0) << c.name;
    EXPECT_EQ(written.st_mode & 07777, c.mode) << c.name;
    EXPECT_EQ(ReadFile(dir.Path(c.name)), "new\n") << c.name;
  }
  EXPECT_EQ(FilesIn(dir.path).size(), 6u);
}

// A program ended by a signal while it writes leaves the older file and no
// temporary, and ends as the signal ends it.
TEST(ReplaceFileTest, ASignalInTheMiddleOfAWriteLeavesNoTemporary) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    TempDir dir;
    WriteFile(dir.Path("today.txt"), "old\n");
    int started[2];
    ASSERT_EQ(pipe(started), 0);
    const pid_t child = fork();
    if (child == 0) {
      for (const int ending : {SIGTERM, SIGINT, SIGHUP})
        std::signal(ending, SIG_DFL);
      ReplaceFailure failure;
      ReplaceFile(
          dir.Path("today.txt"),
          [&](std::ostream& out) {
            out << "half" << std::flush;
            (void)!write(started[1], "w", 1);
            for (;;) pause();
            return true;
          },
          &failure);
      _exit(0);
    }
    char byte;
    ASSERT_EQ(read(started[0], &byte, 1), 1);
    EXPECT_EQ(FilesIn(dir.path).size(), 2u);  // the temporary is there
    kill(child, signal);
    int status = 0;
    waitpid(child, &status, 0);
    close(started[0]);
    close(started[1]);
    ASSERT_TRUE(WIFSIGNALED(status)) << signal;
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_EQ(FilesIn(dir.path), std::set<std::string>{"today.txt"});
    EXPECT_EQ(ReadFile(dir.Path("today.txt")), "old\n");
  }
}

}  // namespace
