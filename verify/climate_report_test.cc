#include "verify/climate_report.h"

#include <gtest/gtest.h>

#include "verify/test_archive.h"

namespace {

// Reports as different offices write them: the value is read by its label,
// whatever stands after it.
TEST(ClimateReportTest, ReadsTheDayAndItsValuesByTheirLabels) {
  const ClimateReportParts usual;
  const std::optional<int> none;
  const struct {
    const char* what;
    ClimateReportParts parts;
    bool complete;
    IssueDate day;
    std::optional<int> maximum, minimum;
  } cases[] = {
      {"as one office writes it", usual, true, {2026, 12, 7}, 35, 12},
      {"three letters, leading zero, colon time, record and estimate",
       {"...THE HURON SD CLIMATE SUMMARY FOR DEC 07 2026...", "", "TEMPERATURE",
        " YESTERDAY",
        "  MAXIMUM         61R  11:29 PM  61    1939  31     30       38",
        "  MINIMUM         -5E   6:56 AM -20    1917  12    -17       20"},
       true,
       {2026, 12, 7},
       61,
       -5},
      {"no times, a flag apart, a missing value",
       {"...THE HURON SD CLIMATE SUMMARY FOR SEP 5 2026...", "",
        "TEMPERATURE (F)", "YESTERDAY", "MAXIMUM 88 R 101 1931 80 8",
        "MINIMUM MM 40 1956 55"},
       true,
       {2026, 9, 5},
       88,
       none},
      {"estimate in brackets, the date on the next line",
       {"...THE MITCHELL SD CLIMATE SUMMARY FOR\nJANUARY 1 2027...", "",
        "TEMPERATURE (F)", "  YESTERDAY", "  MAXIMUM   -2(E)  1200 AM",
        "  MINIMUM  -21     MM"},
       true,
       {2027, 1, 1},
       -2,
       -21},
      {"a TODAY table covers part of a day",
       {usual.summaryLine, "VALID TODAY AS OF 0500 PM LOCAL TIME",
        usual.heading, " TODAY", usual.maximumLine, usual.minimumLine},
       false,
       {},
       none,
       none},
  };
  for (const auto& c : cases) {
    const std::optional<ClimateSummary> read =
        ReadClimateReport(ClimateReportText(c.parts));
    ASSERT_EQ(read.has_value(), c.complete) << c.what;
    if (!read) continue;
    EXPECT_EQ(read->day, c.day) << c.what;
    EXPECT_EQ(read->maximum, c.maximum) << c.what;
    EXPECT_EQ(read->minimum, c.minimum) << c.what;
  }
}

}  // namespace
