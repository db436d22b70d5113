#include "tables/run_model_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

const std::string kOpening =
    "Running long-term model.\n" + kFilePrompt + "You have a valid file.\n";
const std::string kDone = "Output file created successfully.\n";

// A report line with its line end.
std::string Line(const std::vector<std::pair<std::string, int>>& fields) {
  return PaddedLine(fields) + "\n";
}

const std::string kStandardHeading = Line({{"HR", 5},
                                           {"Pressure In.", 13},
                                           {"2m Temp F", 12},
                                           {"850MB Temp F", 13},
                                           {"700MB Temp F", 13},
                                           {"500MB Temp F", 13},
                                           {"Thickness", 12},
                                           {"Hum %", 10},
                                           {"Precip In.", 14},
                                           {"Cld Cover", 11},
                                           {"Wind Dir", 12},
                                           {"Wind Speed MPH", 15},
                                           {"Adj F", 12},
                                           {"+ F", 12},
                                           {"- F", 12}});
const std::string kMetricHeading = Line({{"HR", 5},
                                         {"Pressure mm", 13},
                                         {"2m Temp C", 12},
                                         {"850MB Temp C", 13},
                                         {"700MB Temp C", 13},
                                         {"500MB Temp C", 13},
                                         {"Thickness", 12},
                                         {"Hum %", 10},
                                         {"Precip mm", 14},
                                         {"Cld Cover", 11},
                                         {"Wind Dir", 12},
                                         {"Wind Speed KPH", 15},
                                         {"Adj C", 12},
                                         {"+ C", 12},
                                         {"- C", 12}});

// Wind 10 kt, humidity 60 %, 2 m 20 C, 850 mb 10 C, 1000 mb, 5 mm.
const std::string kTypicalRow = "|  6| 1000 20 10 2 -15 5640 60 5 75 180 10\n";

RunOnBulletin RunOn(const std::string& bulletin, int rows, int unitSystem,
                    const std::string& oldReport = "") {
  return ::RunOn(
      [=](std::istream& in, std::ostream& out) {
        RunModelTable(in, out, rows, unitSystem);
      },
      "gfs.txt", bulletin, oldReport);
}

TEST(RunModelTableTest, StandardReport) {
  RunOnBulletin s = RunOn("FHR\n" + kTypicalRow, 1, 1);
  EXPECT_EQ(s.printed, kOpening + kDone);
  EXPECT_EQ(kStandardHeading.size(), 180u);  // 179 and the line end
  EXPECT_EQ(s.report, kStandardHeading + Line({{"6", 5},
                                               {"29.53", 13},
                                               {"68", 12},
                                               {"50", 13},
                                               {"35.6", 13},
                                               {"5", 13},
                                               {"5640", 12},
                                               {"60", 10},
                                               {"0.19685", 14},
                                               {"75", 11},
                                               {"180", 12},
                                               {"11.5078", 15},
                                               {"7.2886", 12},
                                               {"75.2886", 12},
                                               {"60.7114", 12}}));
}

TEST(RunModelTableTest, MetricReport) {
  RunOnBulletin s = RunOn("FHR\n" + kTypicalRow, 1, 2);
  EXPECT_EQ(s.printed, kOpening + kDone);
  EXPECT_EQ(s.report, kMetricHeading + Line({{"6", 5},
                                             {"750.062", 13},
                                             {"20", 12},
                                             {"10", 13},
                                             {"2", 13},
                                             {"-15", 13},
                                             {"5640", 12},
                                             {"60", 10},
                                             {"5", 14},
                                             {"75", 11},
                                             {"180", 12},
                                             {"18.52", 15},
                                             {"3.348", 12},
                                             {"23.348", 12},
                                             {"16.652", 12}}));
}

TEST(RunModelTableTest, OtherUnitSystemsWriteTheRowsAsReadWithoutHeading) {
  for (int unitSystem : {3, 0, -1}) {
    RunOnBulletin s = RunOn("FHR\n" + kTypicalRow, 1, unitSystem);
    EXPECT_EQ(s.printed, kOpening + kDone);
    // The adjustment with the wind in knots: 2 + 1.2 + 1.
    EXPECT_EQ(s.report, Line({{"6", 5},
                              {"1000", 13},
                              {"20", 12},
                              {"10", 13},
                              {"2", 13},
                              {"-15", 13},
                              {"5640", 12},
                              {"60", 10},
                              {"5", 14},
                              {"75", 11},
                              {"180", 12},
                              {"10", 15},
                              {"4.2", 12},
                              {"24.2", 12},
                              {"15.8", 12}}))
        << unitSystem;
  }
}

TEST(RunModelTableTest, EachEntryTakesItsRowCountFromALongBulletin) {
  const std::string bulletin =
      ReadFile(std::string(ORVANNE_SAMPLES) + "/gfs_long.txt");
  for (int rows : {48, 29, 15}) {
    RunOnBulletin s = RunOn(bulletin, rows, 2);
    EXPECT_EQ(s.printed, kOpening + kDone);
    const std::vector<std::string> lines = Lines(s.report);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(rows) + 1);
    EXPECT_EQ(lines[1].substr(0, 5), "3    ");
    // The sample's hours run 3, 6, ... 144.
    EXPECT_TRUE(lines.back().starts_with(std::to_string(3 * rows) + " "))
        << lines.back();
  }
}

TEST(RunModelTableTest, HeadingWordsAfterFhrAreNoTable) {
  RunOnBulletin s =
      RunOn("GFS MSLP T2M FHR: fhr\n FHR MSLP T2M\n" + kTypicalRow, 29, 1,
            "old report\n");
  EXPECT_EQ(
      s.printed,
      kOpening + "The table after \"FHR\" could not be read at row 1 of 29.\n");
  EXPECT_EQ(s.report, "old report\n");
}

TEST(RunModelTableTest, ATableThatEndsEarlyGivesNoReport) {
  RunOnBulletin s =
      RunOn("FHR\n" + kTypicalRow + kTypicalRow + "|12| 1000 20", 15, 1);
  EXPECT_EQ(
      s.printed,
      kOpening + "The table after \"FHR\" could not be read at row 3 of 15.\n");
  EXPECT_FALSE(s.reported);
}

TEST(RunModelTableTest, ABulletinWithoutFhrGivesNoReport) {
  RunOnBulletin s = RunOn("fhr FHR: Fhr\n" + kTypicalRow, 15, 2);
  EXPECT_EQ(s.printed, kOpening + "The bulletin has no \"FHR\" table.\n");
  EXPECT_FALSE(s.reported);
}

TEST(RunModelTableTest, ARowCountOutsideTheTableIsRefusedAtOnce) {
  for (int rows : {0, 49, -1}) {
    std::istringstream in("gfs.txt\n");
    std::ostringstream out;
    RunModelTable(in, out, rows, 1);
    EXPECT_EQ(out.str(), "A model table run takes 1 to 48 rows, not " +
                             std::to_string(rows) + ".\n");
    std::string left;
    in >> left;
    EXPECT_EQ(left, "gfs.txt");
  }
}

}  // namespace
