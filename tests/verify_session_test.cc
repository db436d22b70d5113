// `verify` and `blend --ratio auto` through the built program, on an archive
// written by the test.

#include <gtest/gtest.h>

#include "blend/test_bulletin.h"
#include "tests/console_texts.h"
#include "tests/temp_dir.h"
#include "verify/test_archive.h"

namespace {

// The archive's errors by hand (see WriteKnownErrorsArchive). GFS: 27
// maxima, each +2; 26 minima (9 at KFSD -2, 8 at KHON -2, 9 at KMHE -3): sum
// -61, mean -2.346; all: (54 + 61) / 53 = 2.170. NBM: 26 maxima (8 at KFSD
// +1, 9 at KHON -1, 9 at KMHE +1): sum 8, mean 0.308, MAE 1; 26 minima +1;
// all 52 / 52. December 5 has no report: 9 days verified.
TEST(VerifySessionTest, TheTableThenTheRatioTheBlendTakes) {
  TempDir dir;
  WriteKnownErrorsArchive(dir.Path("archive"));
  FinishedCommand verified = RunWithArguments(
      dir,
      {"verify", "--archive", "archive", "--until=12/10/2026", "--days", "10"});
  EXPECT_EQ(verified.status, 0);
  EXPECT_EQ(verified.err, "");
  // The day-1 table keeps its figures; the ratio now takes day 2 too: GFS
  // day 2 maxima 24 x -5, minima 23 x +2; NBM day 2 minima 23 x +4. GFS
  // (115 + 166) / 100, NBM (52 + 92) / 75: 2.81 / 4.73 = 0.594.
  EXPECT_EQ(
      verified.out.rfind(
          "Verification of the 1200 UTC guidance at KFSD, KHON and KMHE, 12/01/2026 to 12/10/2026 (10 days)\n"
          "guidance  forecasts  max bias  max MAE  min bias  min MAE    MAE\n"
          "GFS              53     +2.00     2.00     -2.35     2.35   2.17\n"
          "NBM              52     +0.31     1.00     +1.00     1.00   1.00\n",
          0),
      0u)
      << verified.out;
  EXPECT_NE(verified.out.find("suggested ratio: 0.59\n"), std::string::npos);

  // Issued December 11: the 30 days to December 10 hold the same 9.
  TestBulletin bulletin(40);
  bulletin.date = "12/11/2026";
  for (int section = 1; section <= 4; ++section)
    bulletin.Short(section).model = "NBM";
  WriteFile(dir.Path("nbm.txt"), bulletin.Text());
  FinishedCommand blended = RunWithArguments(
      dir, {"blend", "--ratio", "auto", "--archive", "archive", "nbm.txt"});
  EXPECT_EQ(blended.status, 0);
  EXPECT_EQ(blended.err, "");
  EXPECT_EQ(blended.out.rfind(
                "The ratio from the verification of the last 30 days: 0.59\n"
                "You have a valid file.\n"
                "The AVNratio value then has to be: 0.41\n",
                0),
            0u)
      << blended.out;
  EXPECT_TRUE(FileExists(dir.Path("nbm.out")));
}

TEST(VerifySessionTest, RefusalsWriteNothing) {
  TempDir dir;
  WriteKnownErrorsArchive(dir.Path("archive"));
  TestBulletin nam(40);
  nam.date = "12/11/2026";
  WriteFile(dir.Path("nam.txt"), nam.Text());
  TestBulletin early = nam;
  early.date = "12/7/2026";
  for (int section = 1; section <= 4; ++section)
    early.Short(section).model = "NBM";
  WriteFile(dir.Path("early.txt"), early.Text());
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"verify", "--archive", "archive", "--until", "12/6/2026"},
       1,
       "only 5 days could be verified between 11/07/2026 and 12/06/2026; 7 are needed\n"},
      {{"blend", "--ratio", "auto", "--archive", "archive", "nam.txt"},
       1,
       "The ratio from verification is known for the NBM guidance only.\n"},
      {{"blend", "--ratio", "auto", "--archive", "archive", "early.txt"},
       1,
       "only 5 days could be verified between 11/07/2026 and 12/06/2026; 7 are needed\n"},
      {{"verify", "--days", "0"},
       2,
       "orvanne-forecast: days must be a whole number from 7 to 366, not '0'; see 'orvanne-forecast --help'.\n"},
      {{"verify", "--until", "12/32/2026"},
       2,
       "orvanne-forecast: the date must be month/day/year, not '12/32/2026'; see 'orvanne-forecast --help'.\n"},
      {{"blend", "--ratio", "0.5", "--archive", "archive", "nam.txt"},
       2,
       "orvanne-forecast: the option --archive goes with --ratio auto; see 'orvanne-forecast --help'.\n"},
  };
  for (const auto& c : cases) {
    FinishedCommand run = RunWithArguments(dir, c.args);
    EXPECT_EQ(run.status, c.status) << c.args[0];
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.err);
  }
  EXPECT_FALSE(FileExists(dir.Path("nam.out")));
  EXPECT_FALSE(FileExists(dir.Path("early.out")));
}

}  // namespace
