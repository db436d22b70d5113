#include "products/local_time.h"

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

// The week of 10/29/2026 crosses the change back to CST on 11/01 at 07 UTC;
// December keeps CST.
TEST(LocalTimeTest, LocalHoursAndMidnights) {
  EXPECT_EQ(LocalHourText({2026, 12, 9}, {2026, 12, 15}, 12), "06 CST");
  EXPECT_EQ(LocalHourText({2026, 12, 10}, {2026, 12, 16}, 0), "18 CST");
  // 12 UTC is 07 CDT on 10/30 and 10/31, 06 CST from 11/01 on.
  EXPECT_EQ(LocalHourText({2026, 10, 30}, {2026, 11, 5}, 12), "07 CDT/06 CST");
  // 00 UTC of 11/01 is still CDT (19 on 10/31), of 11/02 CST.
  EXPECT_EQ(LocalHourText({2026, 10, 31}, {2026, 11, 6}, 0), "19 CDT/18 CST");
  // Local midnight of day d: 24 d - 12 hours after 12 UTC of the issue
  // date, then 6 more under CST and 5 under CDT.
  EXPECT_EQ(LocalMidnightHour({2026, 12, 8}, 1), 18);
  EXPECT_EQ(LocalMidnightHour({2026, 12, 8}, 8), 186);
  EXPECT_EQ(LocalMidnightHour({2026, 10, 29}, 3), 72 - 12 + 5);  // 11/01
  EXPECT_EQ(LocalMidnightHour({2026, 10, 29}, 4), 96 - 12 + 6);  // 11/02
  EXPECT_EQ(LocalMidnightHour({2027, 3, 13}, 1), 24 - 12 + 6);   // 3/14
  EXPECT_EQ(LocalMidnightHour({2027, 3, 13}, 2), 48 - 12 + 5);   // 3/15
}

}  // namespace
