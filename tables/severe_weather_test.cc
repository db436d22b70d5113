#include "tables/severe_weather.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string Written(double value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

// The potential temperature of the first row after converting a table whose
// every potential temperature is `kelvins`.
double Converted(double kelvins, int unitSystem) {
  SevereTable table{};
  for (SevereRow& row : table) row.values[kPotentialTemperature] = kelvins;
  table[0].values[0] = 1.5;
  ConvertPotentialTemperatures(table, unitSystem);
  EXPECT_EQ(table[0].values[0], 1.5);  // nothing else changes
  EXPECT_EQ(table[kSevereRows - 1].values[kPotentialTemperature],
            table[0].values[kPotentialTemperature]);
  return table[0].values[kPotentialTemperature];
}

TEST(SevereWeatherTest, PotentialTemperatureFromKelvins) {
  EXPECT_EQ(Written(Converted(300, 1)), "80.24");
  EXPECT_EQ(Written(Converted(300, 2)), "26.8");
  EXPECT_EQ(Written(Converted(273.2, 1)), "32");
  EXPECT_EQ(Written(Converted(273.15, 2)), "-0.05");
  for (int unitSystem : {3, 0, -1}) EXPECT_EQ(Converted(300, unitSystem), 300);
}

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
