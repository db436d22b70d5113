#include "tables/model_table.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A row with wind 10 knots, humidity 60 %, 2 m temperature 20 C, 850 mb
// temperature 10 C, pressure 1000 mb and precipitation 5 mm. The reports
// made of it are checked whole beside the run.
ModelTableRow TypicalRow() {
  return {6, 1000, 20, 10, 2, -15, 5640, 60, 5, 75, 180, 10};
}

struct Converted {
  ModelTable table{};
  ModelTableColumn adjustment{};
  ModelTableColumn plusTemp{};
  ModelTableColumn minusTemp{};
};

TEST(ModelTableTest, NoTermIsLimited) {
  ModelTableRow row = TypicalRow();
  row.windSpeed = 40;
  row.humidity = 110;
  row.temp2m = 5;
  Converted c;
  c.table[0] = row;
  ComputeAdjustments(c.table, c.adjustment, c.plusTemp, c.minusTemp, 1);
  // -1 - 0.3 - 0.5
  EXPECT_DOUBLE_EQ(c.adjustment[0], -1.8);
  EXPECT_DOUBLE_EQ(c.plusTemp[0], 3.2);
  EXPECT_DOUBLE_EQ(c.minusTemp[0], 6.8);
}

TEST(ModelTableTest, OnlyTheCountedRowsAreTouched) {
  Converted c;
  c.table[0] = TypicalRow();
  c.table[1] = TypicalRow();
  c.adjustment[1] = -99;
  ConvertWindSpeeds(c.table, 1, 2);
  ComputeAdjustments(c.table, c.adjustment, c.plusTemp, c.minusTemp, 1);
  ConvertToReportUnits(c.table, c.adjustment, c.plusTemp, c.minusTemp, 1, 2);
  EXPECT_EQ(c.table[1].windSpeed, 10);
  EXPECT_EQ(c.table[1].pressure, 1000);
  EXPECT_EQ(c.adjustment[1], -99);
  // A count beyond the table stops at its end.
  ComputeAdjustments(c.table, c.adjustment, c.plusTemp, c.minusTemp, 1000);
  EXPECT_DOUBLE_EQ(c.adjustment[47], 30 * 0.1 + 100 * 0.03);  // an empty row
}

TEST(ModelTableTest, RowsReadAcrossLinesWithDelimitersGluedOrApart) {
  std::istringstream in(
      "|  6| 1012.5 21.3 14.2 4.1 -10.3 5712 64 0.0 40 180 12\n"
      "/ 9 /\n1011 20 13 3 -11\n 5700 70 1.2e0 55 190 8 |12|");
  ModelTableRow row{};
  ASSERT_TRUE(ReadModelTableRow(in, row));
  EXPECT_EQ(row.hour, 6);
  EXPECT_EQ(row.pressure, 1012.5);
  EXPECT_EQ(row.temp500, -10.3);
  EXPECT_EQ(row.windSpeed, 12);
  ASSERT_TRUE(ReadModelTableRow(in, row));
  EXPECT_EQ(row.hour, 9);
  EXPECT_EQ(row.thickness, 5700);
  EXPECT_EQ(row.precip, 1.2);
  EXPECT_EQ(row.windSpeed, 8);
  EXPECT_FALSE(ReadModelTableRow(in, row));
  EXPECT_EQ(row.hour, 12);
}

TEST(ModelTableTest, AWordWhereANumberBelongsStopsTheRow) {
  std::istringstream in("|0| 1012 21 M 4 -10 5712 64 0 40 180 12");
  ModelTableRow row{};
  EXPECT_FALSE(ReadModelTableRow(in, row));
  EXPECT_EQ(row.temp2m, 21);
  EXPECT_EQ(row.temp850, 0);
  EXPECT_EQ(row.temp700, 0);
}

}  // namespace
