#include "blend/blend_report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tests/console_texts.h"

namespace {

template <typename Record, std::size_t N>
void SetStations(StationRecords<Record>& records,
                 std::array<std::int32_t, N> Record::*field, int i,
                 std::array<std::int32_t, 4> values) {
  for (int s = 0; s < 4; ++s) (records[s].*field)[i] = values[s];
}

// The worked example of the "1200 Model" forecast: ratios
// 0.6 and 0.4, the day 1 cells, day 3's precipitation, hours 6 and 72.
BlendInputs WorkedExample() {
  BlendInputs in;
  in.primaryRatio = 0.6;
  in.secondaryRatio = 1.0 - 0.6;
  SetStations(in.primaryTemp, &ShortTempRecord::nx, 0, {28, 30, 27, 29});
  SetStations(in.secondaryTemp, &ShortTempRecord::nx, 0, {31, 33, 30, 32});
  SetStations(in.primaryTemp, &ShortTempRecord::nx, 1, {45, 47, 44, 46});
  SetStations(in.secondaryTemp, &ShortTempRecord::nx, 1, {48, 50, 47, 49});
  SetStations(in.primaryTemp, &ShortTempRecord::dpt, 0, {22, 24, 21, 23});
  SetStations(in.secondaryTemp, &ShortTempRecord::dpt, 0, {24, 26, 23, 25});
  SetStations(in.primaryTemp, &ShortTempRecord::dpt, 1, {30, 31, 29, 30});
  SetStations(in.secondaryTemp, &ShortTempRecord::dpt, 1, {32, 33, 31, 32});
  SetStations(in.primaryTemp, &ShortTempRecord::p12, 0, {10, 20, 10, 30});
  SetStations(in.secondaryTemp, &ShortTempRecord::p12, 0, {20, 30, 20, 40});
  SetStations(in.primaryTemp, &ShortTempRecord::p12, 1, {40, 50, 40, 60});
  SetStations(in.secondaryTemp, &ShortTempRecord::p12, 1, {50, 60, 50, 70});
  SetStations(in.extendedTemp, &ExtendedTempRecord::p24, 0, {30, 40, 20, 50});
  SetStations(in.primarySky, &ShortSkyRecord::cld, 0, {7, 7, 10, 3});
  SetStations(in.secondarySky, &ShortSkyRecord::cld, 0, {10, 7, 10, 7});
  SetStations(in.primarySky, &ShortSkyRecord::wdr, 0, {27, 28, 26, 27});
  SetStations(in.secondarySky, &ShortSkyRecord::wdr, 0, {29, 30, 28, 29});
  SetStations(in.primarySky, &ShortSkyRecord::wsp, 0, {12, 10, 14, 11});
  SetStations(in.secondarySky, &ShortSkyRecord::wsp, 0, {9, 8, 11, 10});
  SetStations(in.extendedSky, &ExtendedSkyRecord::cld, 0, {5, 10, 5, 0});
  SetStations(in.extendedSky, &ExtendedSkyRecord::wnd, 0, {10, 12, 9, 11});
  return in;
}

std::vector<std::string> Console(const BlendInputs& in, int unitSystem) {
  std::ostringstream out;
  const UnitSystem units = UnitSystemFromAnswer(unitSystem);
  PrintDayTable(out, ComputeCityForecast(in, units), units);
  return Lines(out.str());
}

std::vector<std::string> Report(const BlendInputs& in, int unitSystem) {
  std::ostringstream out;
  const UnitSystem units = UnitSystemFromAnswer(unitSystem);
  WriteBlendReport(out, ComputeCityForecast(in, units), units);
  return Lines(out.str());
}

TEST(BlendReportTest, TheWorkedExampleOnTheConsole) {
  const auto lines = Console(WorkedExample(), 1);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(
      lines[0],
      "Day    LowTemp F   HighTemp F  LowDPT F    HighDPT F   LowProbPrec HighProbPrec");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(
      lines[2],
      "1      29.5948     46.5948     23.1947     30.7639     20.8242     50.8243");
  // Day 3: four weighted zeros, a blank LowProbPrec, the weighted P24.
  const std::string zero = "0           ";
  EXPECT_EQ(lines[4], "3      " + zero + zero + zero + zero +
                          std::string(12, ' ') + "34.6678");
}

TEST(BlendReportTest, TheWorkedExampleInTheReport) {
  const auto lines = Report(WorkedExample(), 1);
  ASSERT_EQ(lines.size(), 46u);
  EXPECT_EQ(lines[0], "1200 City of Orvanne Forecast Data (Standard Units)");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], Console(WorkedExample(), 1)[0]);
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(
      lines[4],
      "1      29.5948     46.5948     23.1947     30.7639     20.8242     50.8243     ");
  EXPECT_EQ(lines[6], Console(WorkedExample(), 1)[4]);
  EXPECT_EQ(lines[11], "");
  EXPECT_EQ(lines[12], "Cloud cover, wind speed, and wind direction data");
  EXPECT_EQ(lines[13], "");
  EXPECT_EQ(lines[14], "HR    CLD     WDR       WSP (MPH) ");
  EXPECT_EQ(lines[15], "6     0.75    27.76     12.54     ");
  EXPECT_EQ(lines[16], "9     0.00    0.00      0.00      ");
  EXPECT_EQ(lines[33], "60    0.00    0.00      0.00      ");
  EXPECT_EQ(lines[34], "");
  EXPECT_EQ(lines[35], "72    0.46              11.96     ");
  EXPECT_EQ(lines[45], "192   0.00              0.00      ");
}

TEST(BlendReportTest, MetricChangesTheTextsAndTheUnitSteps) {
  const auto console = Console(WorkedExample(), 2);
  EXPECT_EQ(
      console[0],
      "Day    LowTemp C   HighTemp C  LowDPT C    HighDPT C   LowProbPrec HighProbPrec");
  EXPECT_EQ(console[2].substr(0, 19), "1      -1.33625    ");
  // Probabilities get no unit step.
  EXPECT_EQ(console[2].substr(55), "20.8242     50.8243");
  const auto report = Report(WorkedExample(), 2);
  EXPECT_EQ(report[0], "1200 City of Orvanne Forecast Data (Metric Units)");
  EXPECT_EQ(report[14], "HR    CLD     WDR       WSP (KPH) ");
  EXPECT_EQ(report[15], "6     0.75    27.76     20.18     ");
  EXPECT_EQ(report[35], "72    0.46              19.25     ");
  // A Celsius day 3 from four weighted zeros, in general notation.
  EXPECT_EQ(report[6].substr(0, 19), "3      -17.7778    ");
}

TEST(BlendReportTest, GeneralNotationInTheDayTableOnly) {
  BlendInputs in;
  in.primaryRatio = 1;
  in.secondaryRatio = 0;
  SetStations(in.extendedTemp, &ExtendedTempRecord::xnFirst, 0,
              {32, 32, 32, 32});
  SetStations(in.extendedTemp, &ExtendedTempRecord::p24, 0,
              {1000000, 1000000, 1000000, 1000000});
  SetStations(in.extendedSky, &ExtendedSkyRecord::wnd, 0,
              {1000000, 1000000, 1000000, 1000000});
  const auto report = Report(in, 2);
  EXPECT_EQ(report[6].substr(0, 19), "3      7.37067e-05 ");
  EXPECT_EQ(report[6].substr(67), "1e+06");
  // 1000004.146 knots, in kilometres per hour, in fixed notation.
  EXPECT_EQ(report[35], "72    0.00              1852007.68");
}

TEST(BlendReportTest, ALongCellFillsOrShiftsTheLine) {
  const std::string zero = "0           ";
  BlendInputs full;
  full.primaryRatio = 1;
  full.secondaryRatio = 0;
  // -1234567 at every station weighs to -1234572.1..., written in exactly
  // 12 characters: the field is full and the next follows with no blank.
  SetStations(full.primaryTemp, &ShortTempRecord::nx, 0,
              {-1234567, -1234567, -1234567, -1234567});
  EXPECT_EQ(Console(full, 1)[2],
            "1      -1.23457e+06" + zero + zero + zero + zero + "0");

  // An "ETA" ratio of -1e100 on four 40s gives -4.00002e+101, 13 characters,
  // which pushes the rest of the line along.
  BlendInputs longer;
  longer.primaryRatio = -1e100;
  longer.secondaryRatio = 1.0 - longer.primaryRatio;
  SetStations(longer.primaryTemp, &ShortTempRecord::p12, 0, {40, 40, 40, 40});
  EXPECT_EQ(Console(longer, 1)[2],
            "1      " + zero + zero + zero + zero + "-4.00002e+1010");
}

TEST(BlendReportTest, NothingForOtherUnitSystems) {
  for (int unit : {0, 3, -1}) {
    EXPECT_TRUE(Console(WorkedExample(), unit).empty());
    EXPECT_TRUE(Report(WorkedExample(), unit).empty());
  }
}

}  // namespace
