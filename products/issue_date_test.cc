#include "products/issue_date.h"

#include <gtest/gtest.h>

#include "products/issue_date.h"

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
    ASSERT_TRUE(ParseIssueDate(text, &date)) << text;
    EXPECT_EQ(FormatIssueDate(date), written);
  }
}

TEST(IssueDateTest, RefusesWhatIsNoDate) {
  for (const char* text :
       {"", "12/08", "12/08/26", "12/08/20266", "13/01/2026", "0/10/2026",
        "4/31/2026", "2/29/2026", "2/29/1900", "12/00/2026", "12/08/0000",
        "012/08/2026", "12-08-2026", "12/08/2026 ", " 12/08/2026", "+1/08/2026",
        "1/008/2026", "12/8/2026/"}) {
    IssueDate date;
    EXPECT_FALSE(ParseIssueDate(text, &date)) << text;
  }
}

TEST(IssueDateTest, OrdersByYearMonthAndDay) {
  IssueDate a, b, c;
  ASSERT_TRUE(ParseIssueDate("12/31/2025", &a));
  ASSERT_TRUE(ParseIssueDate("1/01/2026", &b));
  ASSERT_TRUE(ParseIssueDate("01/1/2026", &c));
  EXPECT_LT(a, b);
  EXPECT_EQ(b, c);
}

}  // namespace

TEST(IssueDateTest, CountsDaysAcrossMonthsYearsAndLeapDays) {
  const struct {
    const char* date;
    int days;
    const char* iso;
    int weekday;  // of the result, 0 Sunday
  } cases[] = {
      {"12/08/2026", 0, "2026-12-08", 2},   {"12/31/2026", 1, "2027-01-01", 5},
      {"3/01/2028", -1, "2028-02-29", 2},   {"3/01/2026", -1, "2026-02-28", 6},
      {"12/07/2026", -30, "2026-11-07", 6}, {"1/01/2000", -1, "1999-12-31", 5},
  };
  for (const auto& c : cases) {
    IssueDate date;
    ASSERT_TRUE(ParseIssueDate(c.date, &date));
    const IssueDate moved = AddDays(date, c.days);
    EXPECT_EQ(FormatIsoDate(moved), c.iso) << c.date;
    EXPECT_EQ(Weekday(moved), c.weekday) << c.date;
  }
  // Four digits of year, two of month and day, however few they need.
  EXPECT_EQ(FormatIsoDate({999, 1, 2}), "0999-01-02");
  EXPECT_EQ(FormatIsoDate({12026, 1, 2}), "12026-01-02");
}
