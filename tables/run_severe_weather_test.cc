#include "tables/run_severe_weather.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

const std::string kOpening = "Running ETA Severe Weather Model.\n" +
                             kFilePrompt + "You have a valid file.\n";
const std::string kDone = "Output file successfully created!\n";

// A report line with its line end.
std::string Line(const std::vector<std::pair<std::string, int>>& fields) {
  return PaddedLine(fields) + "\n";
}

std::string Heading(const std::string& potentialTemperature) {
  return Line({{"HR", 5},
               {"BEST 4LYR LNDE", 16},
               {"LIFT INDEX", 12},
               {"CNV INHIB", 13},
               {"CNV AVBL", 13},
               {potentialTemperature, 13},
               {"900MB KNTC", 12},
               {"500MB KNTC", 12},
               {"250MB KNTC", 14},
               {"LAT HEAT", 11},
               {"SANS HEAT", 12}});
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
        RunSevereWeather(in, out, unitSystem);
      },
      "eta.txt", bulletin, oldReport);
}

// The report's rows after the first, all alike.
std::string PlainLines(const std::string& potentialTemperature) {
  std::string lines;
  const std::string line = Line({{"3", 5},
                                 {"0", 16},
                                 {"0", 12},
                                 {"0", 13},
                                 {"0", 13},
                                 {potentialTemperature, 13},
                                 {"0", 12},
                                 {"0", 12},
                                 {"0", 14},
                                 {"0", 11},
                                 {"0", 12}});
  for (int i = 1; i < 29; ++i) lines += line;
  return lines;
}

std::string FirstLine(const std::string& potentialTemperature) {
  return Line({{"6", 5},
               {"1.23457e+06", 16},
               {"1e-05", 12},
               {"250", 13},
               {"-12.5", 13},
               {potentialTemperature, 13},
               {"15", 12},
               {"35", 12},
               {"62", 14},
               {"120", 11},
               {"45", 12}});
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
