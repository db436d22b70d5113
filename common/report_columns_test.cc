#include "common/report_columns.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <utility>

namespace {

struct Row {
  int hour;
  double adjustment, plus;
};

constexpr std::array<ReportColumn<Row>, 3> kColumns{{
    {5, "HR", "HR", Member<&Row::hour>},
    {8, "Adj F", "Adj C", Member<&Row::adjustment>},
    {4, "+ F", "+ C", Member<&Row::plus>},
}};

TEST(ReportColumnsTest, HeadingsArePaddedToTheirWidths) {
  std::ostringstream out;
  WriteHeadingLine(out, kColumns, UnitSystem::kStandard);
  EXPECT_EQ(out.str(), "HR   Adj F   + F \n");
}

TEST(ReportColumnsTest, OnlyStandardAndMetricReportsHaveAHeading) {
  for (const auto& [unitSystem, heading] :
       {std::pair{1, "HR   Adj F   + F \n"},
        std::pair{2, "HR   Adj C   + C \n"}, std::pair{3, ""},
        std::pair{0, ""}}) {
    std::ostringstream out;
    WriteHeadingLine(out, kColumns, UnitSystemFromAnswer(unitSystem));
    EXPECT_EQ(out.str(), heading) << unitSystem;
  }
}

TEST(ReportColumnsTest, TheHourIsAnIntegerAndOverlongValuesPushTheLine) {
  std::ostringstream out;
  WriteDataLine(out, kColumns, Row{-6, 1234567.0, 0.00001});
  WriteDataLine(out, kColumns, Row{144, 29.921259842, 250.0});
  EXPECT_EQ(out.str(),
            "-6   1.23457e+061e-05\n"
            "144  29.9213 250 \n");
}

}  // namespace
