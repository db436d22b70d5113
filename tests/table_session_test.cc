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
#include "tests/report_lines.h"
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
  EXPECT_EQ(report[0],
            ModelTableLine({"HR", "Pressure In.", "2m Temp F", "850MB Temp F",
                            "700MB Temp F", "500MB Temp F", "Thickness",
                            "Hum %", "Precip In.", "Cld Cover", "Wind Dir",
                            "Wind Speed MPH", "Adj F", "+ F", "- F"}));
  // The sample's first row: 1000 mb, 20 C, 10 C, 2 C, -15 C, 5640, 60 %,
  // 5 mm, 75, 180, 10 kt.
  EXPECT_EQ(report[1],
            ModelTableLine({"3", "29.53", "68", "50", "35.6", "5", "5640", "60",
                            "0.19685", "75", "180", "11.5078", "7.2886",
                            "75.2886", "60.7114"}));
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
  EXPECT_EQ(report[0],
            SevereLine({"HR", "BEST 4LYR LNDE", "LIFT INDEX", "CNV INHIB",
                        "CNV AVBL", "POT TEMP C", "900MB KNTC", "500MB KNTC",
                        "250MB KNTC", "LAT HEAT", "SANS HEAT"}));
  // The sample's first row, its potential temperature 300 K.
  EXPECT_EQ(report[1], SevereLine({"0", "2.1", "3.4", "-12.5", "850", "26.8",
                                   "15", "35", "62", "120", "45"}));
  EXPECT_TRUE(report[29].starts_with("84   "));
}

}  // namespace
