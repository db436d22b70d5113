#include "plot/meteogram.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string::npos;
       at = text.find(part, at + 1))
    ++count;
  return count;
}

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
  EXPECT_EQ(Count(svg, "<desc>"), 1);
  EXPECT_EQ(Count(svg, "<script"), 0);
  EXPECT_EQ(Count(svg, "href"), 0);
  EXPECT_NE(svg.find(">Day 7</text>"), std::string::npos);
  EXPECT_NE(svg.find(">-26\u00b0F</text>"), std::string::npos);
  EXPECT_NE(svg.find(">-8\u00b0F</text>"), std::string::npos);
  EXPECT_NE(svg.find("Wind, kn"), std::string::npos);
  // Hours 12, 24, 36, 48 and 60 have a direction; the wind from the west
  // blows to the east.
  EXPECT_EQ(Count(svg, " rotate(90.0)"), 5);
  // Seven bars of 0 %, none where the day's first chance is blank.
  EXPECT_EQ(Count(svg, ">0%</text>"), 7);
  EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7);
  // No issue date gives no local time.
  EXPECT_EQ(Count(svg, ">CST<") + Count(svg, ">CDT<"), 0);
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
  EXPECT_EQ(Count(svg, ">CDT/CST</text>"), 1);
  // 12 UTC: 07 CDT three times, then 06 CST six times (11/01 to 11/06).
  EXPECT_EQ(Count(svg, ">07</text>"), 3);
  EXPECT_EQ(Count(svg, ">19</text>"), 3);
  EXPECT_EQ(Count(svg, ">06</text>"), 6);
}

}  // namespace
