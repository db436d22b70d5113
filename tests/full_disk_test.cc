// Every kind of run, and the assembler, on a disk that fills up part way
// through the report (a file size limit stands in for the full disk): the
// run says so, and the folder is left as it was.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "app/command_line.h"
#include "tests/temp_dir.h"

namespace {

// Runs the command `args` in a child whose files may not grow past 1024
// bytes; its exit status, and its standard error in "err.txt".
int RunOnAFullDisk(const std::vector<std::string>& args) {
  const pid_t child = fork();
  if (child == 0) {
    const rlimit limit{1024, 1024};
    std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(99);
    std::istringstream in;
    std::ostringstream out, err;
    Console console{in, out, err};
    const int status = ExitCode(RunCommand(args, console));
    std::ofstream("err.txt") << err.str();
    _exit(status);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FullDiskTest, EveryRunKeepsTheOlderReportAndLeavesNothingElse) {
  const struct {
    std::vector<std::string> args;
    std::string report;
    std::string line;
  } cases[] = {
      {{"blend", "--ratio", "0.6", "orvanne_1200.txt"},
       "orvanne_1200.out",
       "The report file orvanne_1200.out could not be written.\n"},
      {{"table", "gfs_long.txt"},
       "gfs_long.out",
       "The report file gfs_long.out could not be written.\n"},
      {{"table", "--rows", "15", "gfs_long.txt"},
       "gfs_long.out",
       "The report file gfs_long.out could not be written.\n"},
      {{"severe", "eta_severe.txt"},
       "eta_severe.out",
       "The report file eta_severe.out could not be written.\n"},
      {{"assemble", "-o", "today.txt", "nam_1200.txt", "gfs_1200.txt",
        "gfsx_0000.txt"},
       "today.txt",
       // The size limit stands in for the full disk, and says so.
       "The bulletin today.txt could not be written (File too large).\n"},
  };
  for (const auto& c : cases) {
    for (const bool older : {true, false}) {
      TempDir dir;
      for (const char* sample :
           {"orvanne_1200.txt", "gfs_long.txt", "eta_severe.txt",
            "products/nam_1200.txt", "products/gfs_1200.txt",
            "products/gfsx_0000.txt"})
        WriteFile(dir.Path(std::filesystem::path(sample).filename()),
                  ReadFile(std::string(ORVANNE_SAMPLES "/") + sample));
      WorkingFolder inside(dir.path);
      if (older) WriteFile(c.report, "yesterday's report\n");
      const std::set<std::string> before = FilesIn(".");

      EXPECT_EQ(RunOnAFullDisk(c.args), 1) << c.args[0];
      EXPECT_EQ(ReadFile("err.txt"), c.line);
      std::filesystem::remove("err.txt");
      EXPECT_EQ(FilesIn("."), before) << c.args[0] << " " << older;
      if (older) {
        EXPECT_EQ(ReadFile(c.report), "yesterday's report\n");
      }
    }
  }
}

}  // namespace
