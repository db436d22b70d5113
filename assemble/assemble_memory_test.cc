// Assembling from products of tens of megabytes takes no more memory than
// from small ones: each run is measured in a child process of its own.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "assemble/assemble.h"
#include "assemble/test_products.h"
#include "tests/console_texts.h"
#include "tests/temp_dir.h"

// AddressSanitizer holds freed memory back for a while, so under it a peak
// measures that hold rather than the assembler.
#if defined(__SANITIZE_ADDRESS__)
#define ORVANNE_PEAKS_MEASURABLE 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANNE_PEAKS_MEASURABLE 0
#endif
#endif
#ifndef ORVANNE_PEAKS_MEASURABLE
#define ORVANNE_PEAKS_MEASURABLE 1
#endif

namespace {

constexpr std::size_t kLargeSize = 64u << 20;  // 64 MiB in all
constexpr long kAllowedGrowthKiB = 4 << 10;    // 4 MiB

struct Measured {
  int status;
  long peakKiB;
  std::string err;
};

// Runs the command in a child process, which starts from this process's
// memory: nothing large may be held here while measuring.
Measured RunMeasured(const TempDir& dir, const AssembleRequest& request) {
  const pid_t child = fork();
  if (child == 0) {
    std::ofstream err(dir.Path("err.txt"));
    std::ostringstream out;
    const int status = RunAssemble(request, out, err);
    err.close();
    _exit(status);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss,
          ReadFile(dir.Path("err.txt"))};
}

class AssembleMemoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ORVANNE_PEAKS_MEASURABLE)
      GTEST_SKIP()
          << "peak memory is not the program's own under AddressSanitizer";
    const TestProducts products = MakeTestProducts();
    WriteFile(dir_.Path("nam.txt"), Product(products.primary));
    WriteFile(dir_.Path("gfs.txt"), Product(products.secondary));
    WriteFile(dir_.Path("gfsx.txt"), Product(products.extended));
  }

  long Baseline() {
    const Measured small = RunMeasured(
        dir_,
        {{dir_.Path("nam.txt"), dir_.Path("gfs.txt"), dir_.Path("gfsx.txt")},
         dir_.Path("small_out.txt"),
         {}});
    EXPECT_EQ(small.status, 0) << small.err;
    return small.peakKiB;
  }

  void ExpectFlat(const AssembleRequest& request, const std::string& first) {
    const long baseline = Baseline();
    const Measured large = RunMeasured(dir_, request);
    EXPECT_EQ(large.status, 0) << large.err;
    EXPECT_EQ(Lines(large.err).front(), first);
    EXPECT_LT(large.peakKiB - baseline, kAllowedGrowthKiB)
        << "peak " << large.peakKiB << " KiB, baseline " << baseline;
  }

  TempDir dir_;
};

TEST_F(AssembleMemoryTest, ThousandsOfStations) {
  std::size_t size = 0;
  size += WriteLargeProduct(dir_.Path("big_nam.txt"), "NAM", "1200",
                            kLargeSize / 3);
  size += WriteLargeProduct(dir_.Path("big_gfs.txt"), "GFS", "1200",
                            kLargeSize / 3);
  size += WriteLargeProduct(dir_.Path("big_gfsx.txt"), "GFSX", "0000",
                            kLargeSize / 3);
  ASSERT_GE(size, kLargeSize - 1000);
  ExpectFlat(
      {{dir_.Path("big_gfsx.txt"), dir_.Path("big_gfs.txt"),
        dir_.Path("big_nam.txt")},
       dir_.Path("out.txt"),
       {}},
      "section 1: KBKX NAM 12/08/2026 1200 from " + dir_.Path("big_nam.txt"));
}

TEST_F(AssembleMemoryTest, ThousandsOfDates) {
  const std::string dates = dir_.Path("dates.txt");
  const std::string last = WriteManyDates({dates}, kLargeSize);
  // Years of products, one day after the other: the newest date, and one
  // asked for.
  ExpectFlat({{dates}, dir_.Path("out.txt"), {}},
             "section 1: KBKX NAM " + last + " 1200 from " + dates);
  ExpectFlat({{dates}, dir_.Path("out.txt"), IssueDate{2004, 2, 29}},
             "section 1: KBKX NAM 2/29/2004 1200 from " + dates);
}

TEST_F(AssembleMemoryTest, ThousandsOfDatesInAFileForEachGuidance) {
  const std::vector<std::string> files = {dir_.Path("nam_dates.txt"),
                                          dir_.Path("gfs_dates.txt"),
                                          dir_.Path("gfsx_dates.txt")};
  const std::string last = WriteManyDates(files, kLargeSize);
  ExpectFlat({files, dir_.Path("out.txt"), {}},
             "section 1: KBKX NAM " + last + " 1200 from " + files[0]);
  ExpectFlat({files, dir_.Path("out.txt"), IssueDate{2004, 2, 29}},
             "section 1: KBKX NAM 2/29/2004 1200 from " + files[0]);
}

}  // namespace
