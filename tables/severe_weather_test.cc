#include "tables/severe_weather.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(SevereWeatherTest, RowsReadAcrossLinesWithDelimitersGluedOrApart) {
  std::istringstream in(
      "/ 6/ -1.2 0.4 -35.5 1450 303.1 22 41 75 210 95\n"
      "/9/\n-2 -1 -10 2000 305\n 25 45 80 1e2 120 | 12 |");
  SevereRow row{};
  ASSERT_TRUE(ReadSevereRow(in, row));
  EXPECT_EQ(row.hour, 6);
  EXPECT_EQ(row.values[0], -1.2);
  EXPECT_EQ(row.values[kPotentialTemperature], 303.1);
  EXPECT_EQ(row.values[9], 95);
  ASSERT_TRUE(ReadSevereRow(in, row));
  EXPECT_EQ(row.hour, 9);
  EXPECT_EQ(row.values[8], 100);
  EXPECT_EQ(row.values[9], 120);
  EXPECT_FALSE(ReadSevereRow(in, row));
  EXPECT_EQ(row.hour, 12);
}

}  // namespace
