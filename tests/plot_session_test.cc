// The blend command with --plot, through the built program: the picture of
// the sample bulletin beside its report.

#include <gtest/gtest.h>

#include <string>

#include "tests/console_texts.h"
#include "tests/temp_dir.h"
#include "tests/text_search.h"

namespace {

class PlotSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir_.Path("orvanne_1200.txt"),
              ReadFile(ORVANNE_SAMPLES "/orvanne_1200.txt"));
  }
  TempDir dir_;
};

TEST_F(PlotSessionTest, TheSamplesPictureHoldsItsHighsAndLows) {
  const FinishedCommand run = RunWithArguments(
      dir_,
      {"blend", "--ratio", "0.6", "--plot", "week.svg", "orvanne_1200.txt"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(FileExists(dir_.Path("orvanne_1200.out")));
  const std::string svg = ReadFile(dir_.Path("week.svg"));
  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0),
            0u);
  EXPECT_TRUE(Holds(svg, "Orvanne, 1200 Model, issued 12/08/2026"));
  EXPECT_TRUE(Holds(svg, "Weights NAM 0.6, GFS 0.4; Standard units"));
  EXPECT_TRUE(Holds(svg, ">Wed 12/09</text>"));
  // The day table's highs 32.1543 ... 35.7543 and lows 19.1543 ... 20.7543,
  // rounded.
  for (const char* degrees : {"32", "30", "28", "25", "29", "34", "36", "19",
                              "17", "15", "11", "13", "18", "21"}) {
    EXPECT_TRUE(Holds(svg, std::string(">") + degrees + "\u00b0F</text>"))
        << degrees;
  }
  EXPECT_FALSE(Holds(svg, "\u00b0C"));
  EXPECT_LT(svg.size(), 200u * 1024);
  // The same forecast gives the same bytes.
  RunWithArguments(
      dir_, {"blend", "--ratio=0.6", "orvanne_1200.txt", "--plot=again.svg"});
  EXPECT_EQ(ReadFile(dir_.Path("again.svg")), svg);
}

TEST_F(PlotSessionTest, AMetricPictureSaysCelsius) {
  const FinishedCommand run =
      RunWithArguments(dir_, {"blend", "--units", "metric", "--ratio", "0.6",
                              "--plot", "week.svg", "orvanne_1200.txt"});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string svg = ReadFile(dir_.Path("week.svg"));
  // Day 1: (19.1543 - 32) / 1.8 = -7.14 and (32.1543 - 32) / 1.8 = 0.09;
  // day 4's low (10.7542 - 32) / 1.8 = -11.80.
  EXPECT_TRUE(Holds(svg, ">-7\u00b0C</text>"));
  EXPECT_TRUE(Holds(svg, ">0\u00b0C</text>"));
  EXPECT_TRUE(Holds(svg, ">-12\u00b0C</text>"));
  EXPECT_TRUE(Holds(svg, "Metric units"));
  EXPECT_TRUE(Holds(svg, "Wind, km/h"));
  EXPECT_FALSE(Holds(svg, "\u00b0F"));
}

TEST_F(PlotSessionTest, APictureThatCannotBeWrittenKeepsTheReport) {
  const std::pair<std::string, std::string> cases[] = {
      {"no/such/folder/week.svg", "No such file or directory"},
      {"orvanne_1200.txt", "it would replace the bulletin or its report"},
      {"orvanne_1200.out", "it would replace the bulletin or its report"}};
  for (const auto& [plot, reason] : cases) {
    const std::string bulletin = ReadFile(dir_.Path("orvanne_1200.txt"));
    const FinishedCommand run = RunWithArguments(
        dir_, {"blend", "--ratio", "0.6", "--plot", plot, "orvanne_1200.txt"});
    EXPECT_EQ(run.status, 1) << plot;
    EXPECT_EQ(run.err, "The plot file " + plot + " could not be written (" +
                           reason + ").\n");
    EXPECT_TRUE(Holds(run.out, "Output file successfully created!\n"));
    EXPECT_EQ(
        ReadFile(dir_.Path("orvanne_1200.out"))
            .rfind("1200 City of Orvanne Forecast Data (Standard Units)\n", 0),
        0u);
    EXPECT_EQ(ReadFile(dir_.Path("orvanne_1200.txt")), bulletin);
  }
}

}  // namespace
