// `verify` and `blend --ratio auto` through the built program, on an archive
// written by the test.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

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
          "At lead day 1:\n"
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

// The same archive behind --bias auto, --fallback-ratio, --json, the
// forecast's record and the page: the biases are the table's hundredths.
TEST(VerifySessionTest, BiasesRecordAndPageFromTheArchive) {
  TempDir dir;
  WriteKnownErrorsArchive(dir.Path("archive"));
  TestBulletin bulletin(40);
  for (int section = 1; section <= 4; ++section)
    bulletin.Short(section).model = "NBM";
  bulletin.date = "12/05/2026";  // December 1 to 4 verified: too few
  WriteFile(dir.Path("early.txt"), bulletin.Text());
  bulletin.date = "12/11/2026";
  WriteFile(dir.Path("nbm.txt"), bulletin.Text());

  const FinishedCommand fallback = RunWithArguments(
      dir, {"blend", "--ratio", "auto", "--fallback-ratio", "0.7",
            "--archive", "archive", "early.txt"});
  EXPECT_EQ(fallback.status, 0) << fallback.err;
  EXPECT_TRUE(fallback.out.starts_with(
      "Too few verified days (4 of 7); the fallback ratio 0.7 is used.\n"
      "You have a valid file.\n"
      "The AVNratio value then has to be: 0.3\n"))
      << fallback.out;

  const std::string day = "archive/2026-12-11/orvanne_1200";
  std::filesystem::create_directories(dir.Path("archive/2026-12-11"));
  const FinishedCommand biased = RunWithArguments(
      dir, {"blend", "--ratio", "auto", "--bias", "auto", "--archive",
            "archive", "--plot", day + ".svg", "--record", day + ".json",
            "nbm.txt"});
  EXPECT_EQ(biased.status, 0) << biased.err;
  EXPECT_NE(biased.out.find("\nBias removed from the highs and lows: "),
            std::string::npos);
  // Each station its own errors; KBKX the mean of the day's: GFS minima
  // -7/3 on 8 days, -5/2 on December 6 (KHON "MM"): -2.35.
  EXPECT_NE(biased.out.find(
                "GFS day 1 KBKX +2.00/-2.35 KHON +2.00/-2.00 KMHE +2.00/-3.00 KFSD +2.00/-2.00"),
            std::string::npos)
      << biased.out;
  // Every error is the same from day to day: removed, nothing is left, and
  // the ratio of the errors less the biases is 0.50. Held back: the NBM's
  // day-2 maxima (no value) and the GFSX's 40 cells (no MEX).
  EXPECT_TRUE(biased.out.starts_with(
      "The ratio from the verification of the last 30 days, with the biases removed: 0.50\n"))
      << biased.out;
  EXPECT_NE(biased.out.find(
                "; 44 of 72 cells held back as too few or within the noise.\n"),
            std::string::npos);
  EXPECT_NE(ReadFile(dir.Path(day + ".svg")).find("bias removed"),
            std::string::npos);
  const auto record = nlohmann::json::parse(ReadFile(dir.Path(day + ".json")));
  EXPECT_EQ(record["ratio"]["source"], "verification, bias removed");
  EXPECT_EQ(record["ratio"]["primary"], 0.5);
  const nlohmann::json gfsMax = {{"guidance", "GFS"}, {"lead_day", 1},
                                 {"element", "max"},  {"bias", 2.0},
                                 {"station", "KFSD"}};
  EXPECT_NE(std::find(record["biases_removed"].begin(),
                      record["biases_removed"].end(), gfsMax),
            record["biases_removed"].end());

  const FinishedCommand json = RunWithArguments(
      dir, {"verify", "--json", "--archive", "archive", "--until=12/10/2026",
            "--days", "10"});
  EXPECT_EQ(json.status, 0);
  const auto document = nlohmann::json::parse(json.out);
  EXPECT_EQ(document["verified_days"], 9);
  EXPECT_EQ(document["ratio"], 0.59);
  const nlohmann::json gfsDayOne = {{"guidance", "GFS"}, {"lead_day", 1},
                                    {"element", "min"},  {"count", 26},
                                    {"bias", -2.35},     {"mae", 2.35},
                                    {"rmse", 2.39}};  // sqrt(149 / 26)
  EXPECT_NE(std::find(document["scores"].begin(), document["scores"].end(),
                      gfsDayOne),
            document["scores"].end());

  // The page from the record alone, the same bytes when built again.
  ASSERT_EQ(RunWithArguments(dir, {"page", "--archive", "archive"}).status, 0);
  const std::string index = ReadFile(dir.Path("archive/index.html"));
  EXPECT_NE(index.find("href=\"2026-12-11/index.html\""), std::string::npos);
  ASSERT_EQ(RunWithArguments(dir, {"page", "--archive", "archive"}).status, 0);
  EXPECT_EQ(ReadFile(dir.Path("archive/index.html")), index);
}

// A typed ratio with --bias auto: the biases of each station taken off,
// the ratio kept. Day 1's high: 0.6 x (NBM 40 less KBKX +0.30, KHON -1,
// KMHE +1, KFSD +1, weighted: 39.60635) + 0.4 x (GFS 40 less 2
// everywhere: 37.99817) = 38.9639; its low: 0.6 x 39.00016 + 0.4 x (40
// less -2.35, -2, -3, -2: 42.33953) = 40.3359.
TEST(VerifySessionTest, ATypedRatioWithTheBiasesRemoved) {
  TempDir dir;
  WriteKnownErrorsArchive(dir.Path("archive"));
  TestBulletin bulletin(40);
  for (int section = 1; section <= 4; ++section)
    bulletin.Short(section).model = "NBM";
  bulletin.date = "12/11/2026";
  WriteFile(dir.Path("nbm.txt"), bulletin.Text());
  const FinishedCommand typed = RunWithArguments(
      dir, {"blend", "--ratio", "0.6", "--bias", "auto", "--archive",
            "archive", "--record", "nbm.json", "nbm.txt"});
  EXPECT_EQ(typed.status, 0) << typed.err;
  EXPECT_TRUE(typed.out.starts_with(
      "Bias removed from the highs and lows: NBM day 1 KBKX +0.30/+1.00 KHON -1.00/+1.00 KMHE +1.00/+1.00 KFSD +1.00/+1.00, "))
      << typed.out;
  EXPECT_NE(typed.out.find("The AVNratio value then has to be: 0.4\n"),
            std::string::npos);
  EXPECT_NE(typed.out.find("\n1      40.3359     38.9639"), std::string::npos)
      << typed.out;
  const auto record = nlohmann::json::parse(ReadFile(dir.Path("nbm.json")));
  EXPECT_EQ(record["schema"], 2);
  EXPECT_EQ(record["issue_date"], "2026-12-11");
  EXPECT_EQ(record["ratio"]["source"], "typed");
  EXPECT_EQ(record["ratio"]["primary"], 0.6);
  const nlohmann::json kbkx = {{"guidance", "GFS"}, {"lead_day", 1},
                               {"element", "min"},  {"bias", -2.35},
                               {"station", "KBKX"}};
  EXPECT_NE(std::find(record["biases_removed"].begin(),
                      record["biases_removed"].end(), kbkx),
            record["biases_removed"].end());

  // Too few days for the biases: the typed ratio alone, nothing removed.
  bulletin.date = "12/05/2026";
  WriteFile(dir.Path("early.txt"), bulletin.Text());
  const FinishedCommand early = RunWithArguments(
      dir, {"blend", "--ratio", "0.6", "--bias", "auto", "--archive",
            "archive", "early.txt"});
  EXPECT_EQ(early.status, 0) << early.err;
  EXPECT_TRUE(early.out.starts_with(
      "Too few verified days (4 of 7); no bias is removed.\n"
      "You have a valid file.\n"))
      << early.out;
}

// Too few days with --json: still one document, saying why, status 1.
TEST(VerifySessionTest, TooFewDaysInTheDocument) {
  TempDir dir;
  WriteKnownErrorsArchive(dir.Path("archive"));
  const FinishedCommand json = RunWithArguments(
      dir, {"verify", "--json", "--archive", "archive", "--until", "12/6/2026"});
  EXPECT_EQ(json.status, 1);
  const std::string why =
      "only 5 days could be verified between 11/07/2026 and 12/06/2026; 7 are needed";
  EXPECT_EQ(json.err, why + "\n");
  const auto document = nlohmann::json::parse(json.out);
  EXPECT_EQ(document["schema"], 2);
  EXPECT_EQ(document["until"], "2026-12-06");
  EXPECT_EQ(document["verified_days"], 5);
  EXPECT_EQ(document["error"], why);
  EXPECT_FALSE(document.contains("scores"));
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
      {{"verify", "--days", "6"},
       2,
       "orvanne-forecast: days must be a whole number from 7 to 366, not '6'; see 'orvanne-forecast --help'.\n"},
      {{"verify", "--until", "12/32/2026"},
       2,
       "orvanne-forecast: the date '12/32/2026' does not exist: December 2026 has 31 days; see 'orvanne-forecast --help'.\n"},
      {{"blend", "--ratio", "0.5", "--archive", "archive", "nam.txt"},
       2,
       "orvanne-forecast: the option --archive goes with --ratio auto; see 'orvanne-forecast --help'.\n"},
      {{"blend", "--ratio", "0.5", "--bias", "auto", "--archive", "archive",
        "nam.txt"},
       1,
       "The biases from verification are known for the NBM guidance only.\n"},
      {{"blend", "--ratio", "0.5", "--fallback-ratio", "0.6", "--bias", "auto",
        "nam.txt"},
       2,
       "orvanne-forecast: the option --fallback-ratio goes with --ratio auto; see 'orvanne-forecast --help'.\n"},
      {{"blend", "--ratio", "0.6\n", "nam.txt"},
       2,
       "orvanne-forecast: the ratio must be a decimal number, not '0.6\\n'; see 'orvanne-forecast --help'.\n"},
      {{"verify", "--archive", "missing"},
       1,
       "The archive folder missing does not exist.\n"},
      {{"page", "--archive", "missing"},
       1,
       "The archive folder missing does not exist.\n"},
      {{"blend", "--ratio", "auto", "--archive", "missing", "early.txt"},
       1,
       "The archive folder missing does not exist.\n"},
      {{"verify", "--archive", "."},
       1,
       "No day could be verified from the archive .; orvanne-forecast fetch fills it, one day a run.\n"},
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
