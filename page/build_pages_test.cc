#include "page/build_pages.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "page/archive_records.h"
#include "record/test_records.h"
#include "tests/temp_dir.h"

namespace {

bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Three mornings, 12/06 to 12/08/2026, shifted by 0, -1 and -21.5 degrees
// (the latest's halves round away from zero), a damaged record on 12/05 and
// one in another day's folder.
struct PageArchive {
  PageArchive() {
    const double shifts[] = {0, -1, -21.5};
    for (int i = 0; i < 3; ++i) {
      const IssueDate day{2026, 12, 6 + i};
      std::filesystem::create_directories(dir.Path(FormatIsoDate(day)));
      std::string err;
      EXPECT_TRUE(WriteRecordFile(RecordPath(dir.path, day),
                                  TestRecord(day, shifts[i]), &err));
    }
    std::filesystem::create_directories(dir.Path("2026-12-05"));
    WriteFile(RecordPath(dir.path, {2026, 12, 5}), "{\"issue_date\": ");
    std::filesystem::create_directories(dir.Path("2026-11-30"));
    std::string err;
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
      "<tr><th scope=\"row\">Wed 12/09/2026</th><td>10</td><td>-1</td><td>16</td><td>11</td><td>5% / 10%</td></tr>"));
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
  EXPECT_TRUE(Holds(index, "Too few days are verified yet"));
  EXPECT_FALSE(Holds(index, "http") || Holds(index, "<script"));
  const std::string day = ReadFile(archive.dir.Path("2026-12-07/index.html"));
  for (const char* link :
       {"orvanne_1200.svg", "orvanne_1200.out", "orvanne_1200.txt",
        "orvanne_1200.json", "../index.html"})
    EXPECT_TRUE(Holds(day, "=\"" + std::string(link) + "\"")) << link;
  warnings.clear();
  ASSERT_TRUE(BuildPages(archive.dir.path, nullptr, &warnings, &err));
  EXPECT_EQ(ReadFile(archive.dir.Path("index.html")), index);
}

TEST(BuildPagesTest, TheVerificationAndItsBacktest) {
  const nlohmann::json verification = nlohmann::json::parse(R"({
    "first": "11/01/2026", "last": "11/30/2026", "days": 30, "verified_days": 28,
    "scores": [{"guidance": "GFS", "lead_day": 1, "element": "max", "count": 90, "bias": 2.0, "mae": 2.5}],
    "ratio": 0.62,
    "backtest": [
      {"forecast": "blend", "lead_day": 1, "element": "max", "count": 90, "mae": 1.0},
      {"forecast": "blend", "lead_day": 2, "element": "min", "count": 30, "mae": 5.0},
      {"forecast": "GFS", "lead_day": 1, "element": "max", "count": 90, "mae": 2.5},
      {"forecast": "NBM", "lead_day": 2, "element": "max", "count": 90, "mae": 3.0},
      {"forecast": "NBM", "lead_day": 2, "element": "min", "count": "x", "mae": 9.0}]})");
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
  // (90 x 1.0 + 30 x 5.0) / 120 = 2.00; the NBM's entry without a count is
  // passed over.
  EXPECT_TRUE(Holds(
      index,
      "a mean absolute error of 2.00 \u00b0F on days 1 and 2, against 2.50 for the GFS alone and 3.00 for the NBM alone."));
}

}  // namespace
