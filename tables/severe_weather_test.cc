#include "tables/severe_weather.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/console_texts.h"
#include "tests/report_lines.h"
#include "tests/temp_dir.h"

namespace {

TEST(SevereWeatherTest, RowsReadAcrossLinesWithDelimitersGluedOrApart) {
  std::istringstream in(
      "/ 6/ -1.2 0.4 -35.5 1450 303.1 22 41 75 210 95\n"
      "/9/\n-2 -1 -10 2000 305\n 25 45 80 1e2 120 | 12 |");
  SevereRow row{};
  ASSERT_TRUE(ReadSevereRow(in, row));
  EXPECT_EQ(row.hour, 6);
  EXPECT_EQ(row.values[0], -1.2);
  EXPECT_EQ(row.values[kPotentialTemperature], 303.1);
  EXPECT_EQ(row.values[9], 95);
  ASSERT_TRUE(ReadSevereRow(in, row));
  EXPECT_EQ(row.hour, 9);
  EXPECT_EQ(row.values[8], 100);
  EXPECT_EQ(row.values[9], 120);
  EXPECT_FALSE(ReadSevereRow(in, row));
  EXPECT_EQ(row.hour, 12);
}

const std::string kOpening = "Running ETA Severe Weather Model.\n" +
                             kFilePrompt + "You have a valid file.\n";
const std::string kDone = "Output file successfully created!\n";

std::string Heading(const std::string& potentialTemperature) {
  return SevereLine({"HR", "BEST 4LYR LNDE", "LIFT INDEX", "CNV INHIB",
                     "CNV AVBL", potentialTemperature, "900MB KNTC",
                     "500MB KNTC", "250MB KNTC", "LAT HEAT", "SANS HEAT"}) +
         "\n";
}

// The first row of the test bulletins, then 28 plain ones, then one more.
const std::string kFirstRow =
    "/ 06 / 1234567 0.00001 250.0 -12.5 300 15 35 62 120 45\n";
const std::string kPlainRow = "|3| 0 0 0 0 273.2 0 0 0 0 0\n";
const std::string kExtraRow = "|99| 9 9 9 9 9 9 9 9 9 9\n";

std::string Rows() {
  std::string rows = kFirstRow;
  for (int i = 1; i < 29; ++i) rows += kPlainRow;
  return rows + kExtraRow;
}

RunOnBulletin RunOn(const std::string& bulletin, int unitSystem,
                    const std::string& oldReport = "") {
  return ::RunOn(
      [=](std::istream& in, std::ostream& out) {
        RunAtMenu(RunSevereWeather, in, out, unitSystem);
      },
      "eta.txt", bulletin, oldReport);
}

// The report's rows after the first, all alike.
std::string PlainLines(const std::string& potentialTemperature) {
  std::string lines;
  const std::string line =
      SevereLine({"3", "0", "0", "0", "0", potentialTemperature, "0", "0", "0",
                  "0", "0"}) +
      "\n";
  for (int i = 1; i < 29; ++i) lines += line;
  return lines;
}

std::string FirstLine(const std::string& potentialTemperature) {
  return SevereLine({"6", "1.23457e+06", "1e-05", "250", "-12.5",
                     potentialTemperature, "15", "35", "62", "120", "45"}) +
         "\n";
}

TEST(RunSevereWeatherTest, StandardReportOfTheFirst29Rows) {
  RunOnBulletin s = RunOn("FHR\n" + Rows(), 1);
  EXPECT_EQ(s.printed, kOpening + kDone);
  EXPECT_EQ(Heading("POT TEMP F").size(), 134u);  // 133 and the line end
  EXPECT_EQ(s.report,
            Heading("POT TEMP F") + FirstLine("80.24") + PlainLines("32"));
}

TEST(RunSevereWeatherTest, MetricReport) {
  RunOnBulletin s = RunOn("ETA GUIDANCE FHR: fhr\nFHR\n" + Rows(), 2);
  EXPECT_EQ(s.printed, kOpening + kDone);
  EXPECT_EQ(s.report,
            Heading("POT TEMP C") + FirstLine("26.8") + PlainLines("0"));
}

TEST(RunSevereWeatherTest, OtherUnitSystemsKeepKelvinsWithoutHeading) {
  for (int unitSystem : {3, 0, -1}) {
    RunOnBulletin s = RunOn("FHR\n" + Rows(), unitSystem);
    EXPECT_EQ(s.printed, kOpening + kDone);
    EXPECT_EQ(s.report, FirstLine("300") + PlainLines("273.2")) << unitSystem;
  }
}

TEST(RunSevereWeatherTest, HeadingWordsAfterFhrAreNoTable) {
  RunOnBulletin s = RunOn("FHR B4LI LI CIN\n" + Rows(), 1, "old report\n");
  EXPECT_EQ(
      s.printed,
      kOpening + "The table after \"FHR\" could not be read at row 1 of 29.\n");
  EXPECT_EQ(s.report, "old report\n");
}

TEST(RunSevereWeatherTest, ATableThatEndsEarlyGivesNoReport) {
  std::string rows = kFirstRow;
  for (int i = 1; i < 28; ++i) rows += kPlainRow;
  RunOnBulletin s = RunOn("FHR\n" + rows, 2);
  EXPECT_EQ(s.printed,
            kOpening +
                "The table after \"FHR\" could not be read at row 29 of 29.\n");
  EXPECT_FALSE(s.reported);
}

TEST(RunSevereWeatherTest, ABulletinWithoutFhrGivesNoReport) {
  RunOnBulletin s = RunOn("FHR: fhr\n" + Rows(), 1, "old report\n");
  EXPECT_EQ(s.printed, kOpening + "The bulletin has no \"FHR\" table.\n");
  EXPECT_EQ(s.report, "old report\n");
}

}  // namespace
