#include "tables/model_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/console_texts.h"
#include "tests/report_lines.h"
#include "tests/temp_dir.h"

namespace {

// A row with wind 10 knots, humidity 60 %, 2 m temperature 20 C, 850 mb
// temperature 10 C, pressure 1000 mb and precipitation 5 mm. The reports
// made of it are checked whole beside the run.
ModelTableRow TypicalRow() {
  return {6, 1000, 20, 10, 2, -15, 5640, 60, 5, 75, 180, 10};
}

TEST(ModelTableTest, NoTermIsLimited) {
  ModelTableRow row = TypicalRow();
  row.windSpeed = 40;
  row.humidity = 110;
  row.temp2m = 5;
  ModelTable table;
  table.rows[0] = row;
  table.count = 1;
  ComputeAdjustments(table);
  // -1 - 0.3 - 0.5
  EXPECT_DOUBLE_EQ(table.rows[0].adjustment, -1.8);
  EXPECT_DOUBLE_EQ(table.rows[0].plusTemp, 3.2);
  EXPECT_DOUBLE_EQ(table.rows[0].minusTemp, 6.8);
}

TEST(ModelTableTest, OnlyTheCountedRowsAreTouched) {
  ModelTable table;
  table.rows[0] = TypicalRow();
  table.rows[1] = TypicalRow();
  table.rows[1].adjustment = -99;
  table.count = 1;
  ConvertModelTable(table, UnitSystem::kMetric);
  EXPECT_EQ(table.rows[1].windSpeed, 10);
  EXPECT_EQ(table.rows[1].pressure, 1000);
  EXPECT_EQ(table.rows[1].adjustment, -99);
  // A count beyond the table stops at its end.
  table.count = 1000;
  ComputeAdjustments(table);
  EXPECT_DOUBLE_EQ(table.rows[47].adjustment,
                   30 * 0.1 + 100 * 0.03);  // an empty row
}

TEST(ModelTableTest, RowsReadAcrossLinesWithDelimitersGluedOrApart) {
  std::istringstream in(
      "|  6| 1012.5 21.3 14.2 4.1 -10.3 5712 64 0.0 40 180 12\n"
      "/ 9 /\n1011 20 13 3 -11\n 5700 70 1.2e0 55 190 8 |12|");
  ModelTableRow row{};
  ASSERT_TRUE(ReadModelTableRow(in, row));
  EXPECT_EQ(row.hour, 6);
  EXPECT_EQ(row.pressure, 1012.5);
  EXPECT_EQ(row.temp500, -10.3);
  EXPECT_EQ(row.windSpeed, 12);
  ASSERT_TRUE(ReadModelTableRow(in, row));
  EXPECT_EQ(row.hour, 9);
  EXPECT_EQ(row.thickness, 5700);
  EXPECT_EQ(row.precip, 1.2);
  EXPECT_EQ(row.windSpeed, 8);
  EXPECT_FALSE(ReadModelTableRow(in, row));
  EXPECT_EQ(row.hour, 12);
}

TEST(ModelTableTest, AWordWhereANumberBelongsStopsTheRow) {
  std::istringstream in("|0| 1012 21 M 4 -10 5712 64 0 40 180 12");
  ModelTableRow row{};
  EXPECT_FALSE(ReadModelTableRow(in, row));
  EXPECT_EQ(row.temp2m, 21);
  EXPECT_EQ(row.temp850, 0);
  EXPECT_EQ(row.temp700, 0);
}

const std::string kOpening =
    "Running long-term model.\n" + kFilePrompt + "You have a valid file.\n";
const std::string kDone = "Output file created successfully.\n";

const std::string kStandardHeading =
    ModelTableLine({"HR", "Pressure In.", "2m Temp F", "850MB Temp F",
                    "700MB Temp F", "500MB Temp F", "Thickness", "Hum %",
                    "Precip In.", "Cld Cover", "Wind Dir", "Wind Speed MPH",
                    "Adj F", "+ F", "- F"}) +
    "\n";
const std::string kMetricHeading =
    ModelTableLine({"HR", "Pressure mm", "2m Temp C", "850MB Temp C",
                    "700MB Temp C", "500MB Temp C", "Thickness", "Hum %",
                    "Precip mm", "Cld Cover", "Wind Dir", "Wind Speed KPH",
                    "Adj C", "+ C", "- C"}) +
    "\n";

// Wind 10 kt, humidity 60 %, 2 m 20 C, 850 mb 10 C, 1000 mb, 5 mm.
const std::string kTypicalRow = "|  6| 1000 20 10 2 -15 5640 60 5 75 180 10\n";

RunOnBulletin RunOn(const std::string& bulletin, int rows, int unitSystem,
                    const std::string& oldReport = "") {
  return ::RunOn(
      [=](std::istream& in, std::ostream& out) {
        RunAtMenu(RunModelTable, in, out, unitSystem, rows);
      },
      "gfs.txt", bulletin, oldReport);
}

TEST(RunModelTableTest, StandardReport) {
  RunOnBulletin s = RunOn("FHR\n" + kTypicalRow, 1, 1);
  EXPECT_EQ(s.printed, kOpening + kDone);
  EXPECT_EQ(kStandardHeading.size(), 180u);  // 179 and the line end
  EXPECT_EQ(s.report,
            kStandardHeading +
                ModelTableLine({"6", "29.53", "68", "50", "35.6", "5", "5640",
                                "60", "0.19685", "75", "180", "11.5078",
                                "7.2886", "75.2886", "60.7114"}) +
                "\n");
}

TEST(RunModelTableTest, MetricReport) {
  RunOnBulletin s = RunOn("FHR\n" + kTypicalRow, 1, 2);
  EXPECT_EQ(s.printed, kOpening + kDone);
  EXPECT_EQ(s.report,
            kMetricHeading +
                ModelTableLine({"6", "750.062", "20", "10", "2", "-15", "5640",
                                "60", "5", "75", "180", "18.52", "3.348",
                                "23.348", "16.652"}) +
                "\n");
}

TEST(RunModelTableTest, OtherUnitSystemsWriteTheRowsAsReadWithoutHeading) {
  for (int unitSystem : {3, 0, -1}) {
    RunOnBulletin s = RunOn("FHR\n" + kTypicalRow, 1, unitSystem);
    EXPECT_EQ(s.printed, kOpening + kDone);
    // The adjustment with the wind in knots: 2 + 1.2 + 1.
    EXPECT_EQ(s.report,
              ModelTableLine({"6", "1000", "20", "10", "2", "-15", "5640", "60",
                              "5", "75", "180", "10", "4.2", "24.2", "15.8"}) +
                  "\n")
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
    RunAtMenu(RunModelTable, in, out, 1, rows);
    EXPECT_EQ(out.str(), "A model table run takes 1 to 48 rows, not " +
                             std::to_string(rows) + ".\n");
    std::string left;
    in >> left;
    EXPECT_EQ(left, "gfs.txt");
  }
}

}  // namespace
