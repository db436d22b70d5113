#include "assemble/issue_date.h"

#include <gtest/gtest.h>

#include "assemble/assemble.h"

namespace {

TEST(IssueDateTest, ReadsMonthDayYearAndWritesItAsHeadersDo) {
  const std::pair<const char*, const char*> dates[] = {
      {"12/08/2026", "12/08/2026"}, {"9/01/2020", "9/01/2020"},
      {"09/01/2020", "9/01/2020"},  {"9/1/2020", "9/01/2020"},
      {"2/29/2024", "2/29/2024"},   {"2/29/2000", "2/29/2000"},
      {"12/31/0001", "12/31/0001"},
  };
  for (const auto& [text, written] : dates) {
    IssueDate date;
    ASSERT_TRUE(ParseIssueDate(text, date)) << text;
    EXPECT_EQ(FormatIssueDate(date), written);
    EXPECT_TRUE(IsIssueDate(text));
  }
}

TEST(IssueDateTest, RefusesWhatIsNoDate) {
  for (const char* text :
       {"", "12/08", "12/08/26", "12/08/20266", "13/01/2026", "0/10/2026",
        "4/31/2026", "2/29/2026", "2/29/1900", "12/00/2026", "12/08/0000",
        "012/08/2026", "12-08-2026", "12/08/2026 ", " 12/08/2026", "+1/08/2026",
        "1/008/2026", "12/8/2026/"}) {
    IssueDate date;
    EXPECT_FALSE(ParseIssueDate(text, date)) << text;
    EXPECT_FALSE(IsIssueDate(text)) << text;
  }
}

TEST(IssueDateTest, OrdersByYearMonthAndDay) {
  IssueDate a, b, c;
  ASSERT_TRUE(ParseIssueDate("12/31/2025", a));
  ASSERT_TRUE(ParseIssueDate("1/01/2026", b));
  ASSERT_TRUE(ParseIssueDate("01/1/2026", c));
  EXPECT_LT(a, b);
  EXPECT_EQ(b, c);
}

}  // namespace
