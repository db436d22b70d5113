#include "page/trend.h"

#include <gtest/gtest.h>

#include "record/test_records.h"

namespace {

// Mornings 12/01 (too old), 12/03, 12/06 (Metric, left out), 12/07 and
// 12/08; each morning's day d has high 30 + d + shift.
TEST(TrendTest, EachComingDayByTheMorningsThatForecastIt) {
  std::vector<ForecastRecord> records = {
      TestRecord({2026, 12, 1}, 100), TestRecord({2026, 12, 3}, -4),
      TestRecord({2026, 12, 6}, 50), TestRecord({2026, 12, 7}, -1),
      TestRecord({2026, 12, 8}, 0)};
  records[2].units = UnitSystem::kMetric;
  const Trend trend = ArrangeTrend(records);
  EXPECT_EQ(trend.days[0], (IssueDate{2026, 12, 9}));
  EXPECT_EQ(trend.days[6], (IssueDate{2026, 12, 15}));
  ASSERT_EQ(trend.mornings, (std::vector<IssueDate>{
                                {2026, 12, 3}, {2026, 12, 7}, {2026, 12, 8}}));
  const struct {
    int day;      // index into trend.days
    int morning;  // index into trend.mornings
    bool forecast;
    double high, low;
  } cases[] = {
      // 12/09 is day 6 of 12/03, day 2 of 12/07, day 1 of 12/08.
      {0, 0, true, 30 + 6 - 4, 20 + 6 - 4},
      {0, 1, true, 30 + 2 - 1, 20 + 2 - 1},
      {0, 2, true, 31, 21},
      // 12/10 is day 7 of 12/03; 12/11 is beyond it.
      {1, 0, true, 33, 23},
      {2, 0, false, 0, 0},
      {2, 1, true, 30 + 4 - 1, 20 + 4 - 1},
      {6, 1, false, 0, 0},
      {6, 2, true, 37, 27},
  };
  for (const auto& c : cases) {
    const TrendCell& cell = trend.cells[c.day][c.morning];
    EXPECT_EQ(cell.forecast, c.forecast) << c.day << " " << c.morning;
    if (!c.forecast) continue;
    EXPECT_EQ(cell.high, c.high) << c.day << " " << c.morning;
    EXPECT_EQ(cell.low, c.low) << c.day << " " << c.morning;
  }
}

}  // namespace
