#include "plot/meteogram.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/text_search.h"

namespace {

// A cold week with one chance a day, no issue date known, and
// the units as read.
TEST(MeteogramTest, AWholeDocumentForAnyForecast) {
  CityForecast forecast;
  for (int day = 0; day < kForecastDays; ++day) {
    forecast.days[day] = {day + 1, -20.0 - day,  -8.4, -25,
                          -12,     std::nullopt, 0};
  }
  for (int k = 0; k < kSkyRows; ++k) {
    forecast.sky[k].hour =
        k < kShortSkyHours ? 6 + 3 * k : 72 + 12 * (k - kShortSkyHours);
    forecast.sky[k].cloud = 1.5;  // beyond overcast, drawn at its edge
    if (k < kShortSkyHours) forecast.sky[k].direction = 27;
  }
  const PlotFacts facts{std::nullopt, "ETA<", "AVN",
                        1.5,     -0.5,   UnitSystem::kAsTyped};
  const std::string svg = MeteogramSvg(forecast, facts);
  EXPECT_EQ(svg, MeteogramSvg(forecast, facts));
  EXPECT_NE(svg.find("viewBox=\"0 0 960 830\""), std::string::npos);
  EXPECT_NE(
      svg.find("<title>Orvanne, 1200 Model, 1200 UTC, issue date unknown; Weights "
               "ETA&lt; 1.5, AVN -0.5; units as read</title>"),
      std::string::npos);
  EXPECT_EQ(CountOf(svg, "<desc>"), 1);
  EXPECT_EQ(CountOf(svg, "<script"), 0);
  EXPECT_EQ(CountOf(svg, "href"), 0);
  EXPECT_NE(svg.find(">Day 7</text>"), std::string::npos);
  EXPECT_NE(svg.find(">-26\u00b0F</text>"), std::string::npos);
  EXPECT_NE(svg.find(">-8\u00b0F</text>"), std::string::npos);
  EXPECT_NE(svg.find("Wind, kn"), std::string::npos);
  // Hours 12, 24, 36, 48 and 60 have a direction; the wind from the west
  // blows to the east.
  EXPECT_EQ(CountOf(svg, " rotate(90.0)"), 5);
  // Seven bars of 0 %, none where the day's first chance is blank.
  EXPECT_EQ(CountOf(svg, ">0%</text>"), 7);
  EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7);
  // No issue date gives no local time.
  EXPECT_EQ(CountOf(svg, ">CST<") + CountOf(svg, ">CDT<"), 0);
}

// The week of 10/29/2026 crosses the change back to CST (11/01, 07 UTC):
// 00 UTC is 19 CDT until 11/01, then 18 CST.
TEST(MeteogramTest, TheTitleAndTheLocalTime) {
  PlotFacts facts{IssueDate{2026, 10, 29}, "NBM", "GFS", 0.6, 0.4, UnitSystem::kStandard};
  facts.biasRemoved = true;
  const std::string svg = MeteogramSvg(CityForecast{}, facts);
  EXPECT_NE(svg.find(">Orvanne, 1200 Model, issued 10/29/2026 1200 UTC, bias "
                     "removed</text>"),
            std::string::npos);
  EXPECT_EQ(CountOf(svg, ">CDT/CST</text>"), 1);
  // 12 UTC: 07 CDT three times, then 06 CST six times (11/01 to 11/06).
  EXPECT_EQ(CountOf(svg, ">07</text>"), 3);
  EXPECT_EQ(CountOf(svg, ">19</text>"), 3);
  EXPECT_EQ(CountOf(svg, ">06</text>"), 6);
}

// Issued 12/08/2026 (CST): day d begins at local midnight, forecast hour
// 24 d - 6, x = 70 + hour / 192 x 850; its name stands in its middle.
TEST(MeteogramTest, DaysAtLocalMidnightAndTheDewPointsByTheirHours) {
  const PlotFacts facts{IssueDate{2026, 12, 8}, "NBM", "GFS", 0.6, 0.4};
  const std::string svg = MeteogramSvg(CityForecast{}, facts);
  // Eight day lines in each of the four panels: hours 18 to 186.
  EXPECT_EQ(CountOf(svg, "stroke=\"#9e9e9e\""), 32);
  EXPECT_EQ(CountOf(svg, "<line x1=\"149.7\" y1=\"110.0\" x2=\"149.7\""), 1);
  EXPECT_EQ(CountOf(svg, "<line x1=\"893.4\" y1=\"110.0\" x2=\"893.4\""), 1);
  // Wed 12/09 from hour 18 to 42: its middle, hour 30, at x 202.8.
  EXPECT_NE(svg.find("<text x=\"202.8\" y=\"821.0\" font-size=\"13\" "
                     "fill=\"#212121\" text-anchor=\"middle\" "
                     "font-weight=\"bold\">Wed 12/09</text>"),
            std::string::npos);
  EXPECT_EQ(CountOf(svg, ">Dew point 06 CST</text>"), 1);
  EXPECT_EQ(CountOf(svg, ">Dew point 18 CST</text>"), 1);
  EXPECT_EQ(CountOf(svg, "igh dew point") + CountOf(svg, "ow dew point"), 0);
  // Across the change of 11/01: day 3 begins at hour 72 - 12 + 5 = 65
  // (x 357.8), day 4 at 90 (x 468.4).
  const PlotFacts autumn{IssueDate{2026, 10, 29}, "NBM", "GFS", 0.6, 0.4};
  const std::string crossing = MeteogramSvg(CityForecast{}, autumn);
  EXPECT_EQ(CountOf(crossing, "<line x1=\"357.8\" y1=\"110.0\""), 1);
  EXPECT_EQ(CountOf(crossing, "<line x1=\"468.4\" y1=\"110.0\""), 1);
  EXPECT_EQ(CountOf(crossing, ">Dew point 07 CDT/06 CST</text>"), 1);
}

}  // namespace
