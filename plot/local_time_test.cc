#include "plot/local_time.h"

#include <gtest/gtest.h>

namespace {

// 2026 changes on 8 March and 1 November, 2027 on 14 March and 7 November.
TEST(LocalTimeTest, DaylightTimeFromMarchToNovember) {
  const struct {
    IssueDate day;
    int hour;
    int offset;
  } cases[] = {
      {{2026, 3, 8}, 7, -6},  {{2026, 3, 8}, 8, -5},   {{2026, 3, 7}, 12, -6},
      {{2026, 11, 1}, 6, -5}, {{2026, 11, 1}, 7, -6},  {{2026, 10, 31}, 23, -5},
      {{2027, 3, 14}, 7, -6}, {{2027, 3, 14}, 8, -5},  {{2027, 11, 7}, 6, -5},
      {{2027, 11, 7}, 7, -6}, {{2026, 12, 8}, 12, -6}, {{2026, 7, 4}, 0, -5},
      {{2027, 3, 7}, 12, -6}, {{2027, 11, 1}, 12, -5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CentralOffsetHours(c.day, c.hour), c.offset)
        << FormatIsoDate(c.day) << " " << c.hour;
  }
  EXPECT_STREQ(CentralZoneName(-5), "CDT");
  EXPECT_STREQ(CentralZoneName(-6), "CST");
}

}  // namespace
