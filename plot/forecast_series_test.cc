#include "plot/forecast_series.h"

#include <gtest/gtest.h>

#include <string>

#include "plot/day_labels.h"

namespace {

TEST(ForecastSeriesTest, ABlankChanceDrawsNoBar) {
  CityForecast forecast;
  for (int day = 0; day < kForecastDays; ++day)
    forecast.days[day].highProbPrec = 10.0 * day;
  forecast.days[0].lowProbPrec = 0;
  forecast.days[1].lowProbPrec = 35;
  std::vector<Bar> bars = PrecipitationBars(forecast);
  ASSERT_EQ(bars.size(), 9u);
  // Day 1's first half: 00 to 12 UTC after the issue date, a zero drawn.
  EXPECT_EQ(bars[0].startHour, 12);
  EXPECT_EQ(bars[0].endHour, 24);
  EXPECT_EQ(bars[0].chance, 0);
  EXPECT_EQ(bars[3].startHour, 48);
  EXPECT_EQ(bars[3].chance, 10);
  // Day 7's one chance stands in its second half.
  EXPECT_EQ(bars[8].startHour, 168);
  EXPECT_EQ(bars[8].endHour, 180);
  EXPECT_EQ(bars[8].chance, 60);

  forecast.days[0].lowProbPrec.reset();
  forecast.days[1].lowProbPrec.reset();
  bars = PrecipitationBars(forecast);
  ASSERT_EQ(bars.size(), 7u);
  for (std::size_t i = 0; i < bars.size(); ++i)
    EXPECT_EQ(bars[i].startHour, 24 + 24.0 * i);
}

TEST(ForecastSeriesTest, LabelsAndDirections) {
  EXPECT_EQ(DegreeLabel(32.1543, UnitSystem::kStandard), "32\u00b0F");
  EXPECT_EQ(DegreeLabel(-2.6, UnitSystem::kMetric), "-3\u00b0C");
  EXPECT_EQ(DegreeLabel(-0.4, UnitSystem::kMetric), "0\u00b0C");
  EXPECT_EQ(SpeedUnit(UnitSystem::kMetric), "km/h");
  // From the west (27) the wind blows to the east; from the north (36 or
  // 0) to the south.
  EXPECT_DOUBLE_EQ(BlowsToward(27), 90);
  EXPECT_DOUBLE_EQ(BlowsToward(36), 180);
  EXPECT_DOUBLE_EQ(BlowsToward(0), 180);
  EXPECT_DOUBLE_EQ(BlowsToward(9), 270);
}

TEST(ForecastSeriesTest, DaysAreLabelledFromTheDayAfterTheIssue) {
  const struct {
    std::optional<IssueDate> issued;
    int day;
    std::string label;
  } cases[] = {
      {IssueDate{2026, 12, 8}, 1, "Wed 12/09"},
      {IssueDate{2026, 12, 8}, 7, "Tue 12/15"},
      {IssueDate{2026, 12, 28}, 4, "Fri 1/01"},
      {IssueDate{2028, 2, 27}, 2, "Tue 2/29"},
      {IssueDate{2020, 9, 1}, 1, "Wed 9/02"},
      {std::nullopt, 3, "Day 3"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DayLabels(c.issued)[c.day - 1], c.label) << c.label;
}

}  // namespace
