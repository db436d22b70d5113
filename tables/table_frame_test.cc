#include "tables/table_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/token_reads.h"
#include "tests/temp_dir.h"

namespace {

struct TableRead {
  bool read;
  std::vector<int> hours;  // one per row that was read whole
  std::string printed;
};

// Reads `rows` rows of a delimited hour and one number from a bulletin
// holding `contents`.
TableRead Read(const std::string& contents, int rows) {
  TempDir dir;
  WriteFile(dir.Path("b.txt"), contents);
  TableRead result{false, {}, ""};
  std::string err;
  result.read = ReadTableRows(
      dir.Path("b.txt"), rows,
      [&result](std::istream& in, int row) {
        EXPECT_EQ(row, static_cast<int>(result.hours.size()));
        int hour = 0;
        double value = 0;
        if (!ReadDelimitedHour(in, hour) || !ReadDouble(in, value))
          return false;
        result.hours.push_back(hour);
        return true;
      },
      &err);
  // As the run prints it.
  if (!result.read) result.printed = err + "\n";
  return result;
}

TEST(ReadTableRowsTest, RowsStartRightAfterTheExactWordFhr) {
  TableRead first = Read("FHR\n|0| 1\n|3| 2\n|6| 3\n", 2);
  EXPECT_TRUE(first.read);
  EXPECT_EQ(first.hours, (std::vector<int>{0, 3}));
  EXPECT_EQ(first.printed, "");
  TableRead later = Read("GFS FHR: fhr FHRS\n FHR |12| 1 / 15 / 2\n", 2);
  EXPECT_TRUE(later.read);
  EXPECT_EQ(later.hours, (std::vector<int>{12, 15}));
}

TEST(ReadTableRowsTest, NoFhrWordMeansNoTable) {
  for (const std::string contents : {"", "FHR: fhr |0| 1\n", "xFHR |0| 1"}) {
    TableRead result = Read(contents, 1);
    EXPECT_FALSE(result.read) << contents;
    EXPECT_TRUE(result.hours.empty());
    EXPECT_EQ(result.printed, "The bulletin has no \"FHR\" table.\n");
  }
}

TEST(ReadTableRowsTest, TheFirstRowThatCannotBeReadIsNamedAndEndsTheReading) {
  TableRead early = Read("FHR |0| 1 |3| 2", 3);
  EXPECT_FALSE(early.read);
  EXPECT_EQ(early.hours, (std::vector<int>{0, 3}));
  EXPECT_EQ(early.printed,
            "The table after \"FHR\" could not be read at row 3 of 3.\n");
  TableRead headings = Read("FHR MSLP T2M\n|0| 1\n", 29);
  EXPECT_FALSE(headings.read);
  EXPECT_TRUE(headings.hours.empty());
  EXPECT_EQ(headings.printed,
            "The table after \"FHR\" could not be read at row 1 of 29.\n");
}

}  // namespace
