#include "page/build_pages.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "page/archive_records.h"
#include "products/archive.h"
#include "record/test_records.h"
#include "tests/temp_dir.h"
#include "tests/text_search.h"

namespace {

// Three mornings, 12/06 to 12/08/2026, shifted by 0, -1 and -21.5 degrees
// (the latest's halves round away from zero), the last two with their
// bulletin, report and picture, the first with its record alone; one of
// 11/28; a damaged record on 12/05 and one in another day's folder.
struct PageArchive {
  PageArchive() {
    const double shifts[] = {0, -1, -21.5};
    for (int i = 0; i < 3; ++i) {
      const IssueDate day{2026, 12, 6 + i};
      std::filesystem::create_directories(dir.Path(FormatIsoDate(day)));
      std::string err;
      EXPECT_TRUE(WriteRecordFile(RecordPath(dir.path, day),
                                  TestRecord(day, shifts[i]), &err));
      if (i == 0) continue;
      for (DayFileKind kind : {DayFileKind::kBulletin,
                                 DayFileKind::kReport, DayFileKind::kPicture})
        WriteFile(DayFile(dir.path, day, kind), "x");
    }
    std::filesystem::create_directories(dir.Path("2026-11-28"));
    std::string err;
    EXPECT_TRUE(WriteRecordFile(RecordPath(dir.path, {2026, 11, 28}),
                                TestRecord({2026, 11, 28}), &err));
    std::filesystem::create_directories(dir.Path("2026-12-05"));
    WriteFile(RecordPath(dir.path, {2026, 12, 5}), "{\"issue_date\": ");
    std::filesystem::create_directories(dir.Path("2026-11-30"));
    EXPECT_TRUE(WriteRecordFile(RecordPath(dir.path, {2026, 11, 30}),
                                TestRecord({2026, 11, 29}), &err));
  }
  TempDir dir;
};

TEST(BuildPagesTest, TheLatestWeekItsTrendAndTheMornings) {
  PageArchive archive;
  std::vector<std::string> warnings;
  std::string err;
  ASSERT_TRUE(BuildPages(archive.dir.path, nullptr, &warnings, &err)) << err;
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_TRUE(
      Holds(warnings[0], "2026-11-30/orvanne_1200.json is for 11/29/2026"));
  EXPECT_TRUE(Holds(warnings[1], "2026-12-05/orvanne_1200.json is damaged"));
  const std::string index = ReadFile(archive.dir.Path("index.html"));
  EXPECT_TRUE(Holds(
      index,
      "<tr><th scope=\"row\">Wed 12/09/2026</th><td>10</td><td>-1</td><td>11</td><td>16</td><td>5%</td><td>10%</td></tr>"));
  // The dew points at 12 and 00 UTC, the chances' periods, in CST.
  EXPECT_TRUE(Holds(
      index,
      "<th scope=\"col\">Dew point 06 CST \u00b0F</th><th scope=\"col\">Dew point 18 CST \u00b0F</th><th scope=\"col\">Chance of precipitation, night 18\u201306 CST</th><th scope=\"col\">Chance of precipitation, day 06\u201318 CST</th>"));
  // Day 3, 12/11: 33 - 21.5 and 23 - 21.5 round away from zero.
  EXPECT_TRUE(Holds(
      index,
      "<tr><th scope=\"row\">Fri 12/11/2026</th><td>12</td><td>2</td><td>13</td><td>18</td><td colspan=\"2\">30% (24 hours, 18\u201318 CST)</td></tr>"));
  EXPECT_FALSE(Holds(index, "igh dew point") || Holds(index, "ow dew point"));
  EXPECT_TRUE(Holds(
      index,
      "<tr><th scope=\"row\">Thu 12/10/2026</th><td>34 / 24</td><td>32 / 22</td><td>11 / 1</td></tr>"));
  EXPECT_TRUE(Holds(
      index,
      "<tr><th scope=\"row\">Tue 12/15/2026</th><td></td><td></td><td>16 / 6</td></tr>"));
  EXPECT_TRUE(Holds(index, "src=\"2026-12-08/orvanne_1200.svg\""));
  EXPECT_LT(index.find("2026-12-08/index.html"),
            index.find("2026-12-07/index.html"));
  EXPECT_LT(index.find("2026-12-07/index.html"),
            index.find("2026-12-06/index.html"));
  EXPECT_FALSE(Holds(index, "2026-12-05/"));
  // The mornings by month, newest first.
  EXPECT_LT(index.find("<h3>December 2026</h3>\n<ul class=\"days\">\n<li><a href=\"2026-12-08/index.html\">"),
            index.find("<h3>November 2026</h3>\n<ul class=\"days\">\n<li><a href=\"2026-11-28/index.html\">"));
  EXPECT_NE(index.find("<h3>November 2026</h3>"), std::string::npos);
  EXPECT_TRUE(Holds(index, "Too few days are verified yet"));
  EXPECT_FALSE(Holds(index, "http") || Holds(index, "<script"));
  const std::string day = ReadFile(archive.dir.Path("2026-12-07/index.html"));
  for (const char* link :
       {"orvanne_1200.svg", "orvanne_1200.out", "orvanne_1200.txt",
        "orvanne_1200.json", "../index.html"})
    EXPECT_TRUE(Holds(day, "=\"" + std::string(link) + "\"")) << link;
  // A morning without its picture, report or bulletin links none of them.
  const std::string bare = ReadFile(archive.dir.Path("2026-12-06/index.html"));
  EXPECT_TRUE(Holds(bare, "<p>No picture was drawn this morning.</p>"));
  for (const char* link :
       {"orvanne_1200.svg", "orvanne_1200.out", "orvanne_1200.txt"})
    EXPECT_FALSE(Holds(bare, link)) << link;
  EXPECT_TRUE(Holds(bare, "=\"orvanne_1200.json\""));
  warnings.clear();
  ASSERT_TRUE(BuildPages(archive.dir.path, nullptr, &warnings, &err));
  EXPECT_EQ(ReadFile(archive.dir.Path("index.html")), index);
}

TEST(BuildPagesTest, TheVerificationAndItsBacktest) {
  Verification verification;
  verification.first = {2026, 11, 1};
  verification.last = {2026, 11, 30};
  verification.days = 30;
  verification.verifiedDays = 28;
  verification.ratioHundredths = 62;
  // 90 highs with errors summing to 180 and to 225 in absolute value.
  verification.scores[kScoredGfs][1].maximum = {90, 180, 225};
  auto backtest = [&](BacktestForecast forecast, int lead) -> GuidanceScores& {
    return verification.backtest.scores[static_cast<int>(forecast)][lead];
  };
  // Absolute sums in ten-thousandths of a degree: MAEs 1.0, 5.0, 2.5, 3.0.
  backtest(BacktestForecast::kBlend, 1).maximum = {90, 0, 90 * 10000};
  backtest(BacktestForecast::kBlend, 2).minimum = {30, 0, 150 * 10000};
  backtest(BacktestForecast::kGfs, 1).maximum = {90, 0, 225 * 10000};
  backtest(BacktestForecast::kNbm, 2).maximum = {90, 0, 270 * 10000};
  PageArchive archive;
  std::vector<std::string> warnings;
  std::string err;
  ASSERT_TRUE(BuildPages(archive.dir.path, &verification, &warnings, &err));
  const std::string index = ReadFile(archive.dir.Path("index.html"));
  EXPECT_TRUE(Holds(
      index,
      "28 of the 30 days from 11/01/2026 to 11/30/2026 verified; suggested ratio 0.62."));
  EXPECT_TRUE(Holds(
      index,
      "<tr><th scope=\"row\">GFS day 1</th><td>90</td><td>+2.00</td><td>2.50</td><td></td><td></td><td></td></tr>"));
  // (90 x 1.0 + 30 x 5.0) / 120 = 2.00.
  EXPECT_TRUE(Holds(
      index,
      "a mean absolute error of 2.00 \u00b0F on days 1 and 2, against 2.50 for the GFS alone and 3.00 for the NBM alone."));
}

// The city's own forecast beside the guidance alone on the same days:
// day 1's highs erred by +2 and -1 (bias +0.50, MAE 1.50) where the NBM
// alone erred by +3 and -3 (MAE 3.00), so the skill is 1 - 1.50 / 3.00.
TEST(BuildPagesTest, TheCitysOwnScoresBesideTheGuidanceAlone) {
  Verification verification;
  verification.first = {2026, 11, 1};
  verification.last = {2026, 11, 30};
  verification.days = 30;
  verification.verifiedDays = 28;
  CityScores::Beside& beside =
      verification.city.alone[kScoredNbm][1][ElementIndex(Element::kMaximum)];
  for (double error : {2.0, -1.0}) {
    verification.city.city[1][ElementIndex(Element::kMaximum)].Add(error);
    beside.city.Add(error);
  }
  for (double error : {3.0, -3.0}) beside.alone.Add(error);
  PageArchive archive;
  std::vector<std::string> warnings;
  std::string err;
  ASSERT_TRUE(BuildPages(archive.dir.path, &verification, &warnings, &err));
  const std::string index = ReadFile(archive.dir.Path("index.html"));
  EXPECT_TRUE(Holds(
      index,
      "<tr><th scope=\"row\">Day 1 against the NBM</th><td>2</td><td>+0.50</td><td>1.50</td><td></td><td></td><td></td><td>3.00</td><td>+0.50</td><td></td><td></td></tr>"))
      << index;
  EXPECT_TRUE(Holds(index, "11/01/2026 to 11/30/2026 against the city observation"));
  EXPECT_FALSE(Holds(index, "Day 2 against"));  // no pair, no row
  EXPECT_TRUE(Holds(index, "City forecast"));   // the MAE chart's line
}

}  // namespace
