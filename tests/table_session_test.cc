// Whole sessions of the table runs through the built program, on copies of
// the sample bulletins, its console piped as a script would run it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

void CopySample(const TempDir& dir, const std::string& name) {
  WriteFile(dir.Path(name),
            ReadFile(std::string(ORVANNE_SAMPLES) + "/" + name));
}

TEST(TableSessionTest, LongGfsModelInStandardUnits) {
  TempDir dir;
  CopySample(dir, "gfs_long.txt");
  const auto [status, printed] = RunProgram(dir, "2\n1\ngfs_long.txt\n8\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(printed, kMenuText + "2\n" + kUnitQuestion +
                         "Running long-term model.\n" + kFilePrompt +
                         "You have a valid file.\n" +
                         "Output file created successfully.\n" + kMenuText);
  const std::vector<std::string> report =
      Lines(ReadFile(dir.Path("gfs_long.out")));
  ASSERT_EQ(report.size(), 49u);
  EXPECT_EQ(report[0], PaddedLine({{"HR", 5},
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
                                   {"- F", 12}}));
  // The sample's first row: 1000 mb, 20 C, 10 C, 2 C, -15 C, 5640, 60 %,
  // 5 mm, 75, 180, 10 kt.
  EXPECT_EQ(report[1], PaddedLine({{"3", 5},
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
  EXPECT_TRUE(report[48].starts_with("144  "));
}

TEST(TableSessionTest, SevereWeatherInMetricUnits) {
  TempDir dir;
  CopySample(dir, "eta_severe.txt");
  const auto [status, printed] = RunProgram(dir, "6 2 eta_severe.txt 8\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(printed, kMenuText + "6\n" + kUnitQuestion +
                         "Running ETA Severe Weather Model.\n" + kFilePrompt +
                         "You have a valid file.\n" +
                         "Output file successfully created!\n" + kMenuText);
  const std::vector<std::string> report =
      Lines(ReadFile(dir.Path("eta_severe.out")));
  ASSERT_EQ(report.size(), 30u);
  EXPECT_EQ(report[0], PaddedLine({{"HR", 5},
                                   {"BEST 4LYR LNDE", 16},
                                   {"LIFT INDEX", 12},
                                   {"CNV INHIB", 13},
                                   {"CNV AVBL", 13},
                                   {"POT TEMP C", 13},
                                   {"900MB KNTC", 12},
                                   {"500MB KNTC", 12},
                                   {"250MB KNTC", 14},
                                   {"LAT HEAT", 11},
                                   {"SANS HEAT", 12}}));
  // The sample's first row, its potential temperature 300 K.
  EXPECT_EQ(report[1], PaddedLine({{"0", 5},
                                   {"2.1", 16},
                                   {"3.4", 12},
                                   {"-12.5", 13},
                                   {"850", 13},
                                   {"26.8", 13},
                                   {"15", 12},
                                   {"35", 12},
                                   {"62", 14},
                                   {"120", 11},
                                   {"45", 12}}));
  EXPECT_TRUE(report[29].starts_with("84   "));
}

}  // namespace
