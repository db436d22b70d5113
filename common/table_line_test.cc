#include "common/table_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

namespace {

constexpr std::array<int, 3> kWidths{5, 8, 4};

TEST(TableLineTest, HeadingsArePaddedToTheirWidths) {
  std::ostringstream out;
  WriteHeadingLine(out, kWidths, {"HR", "Adj F", "+ F"});
  EXPECT_EQ(out.str(), "HR   Adj F   + F \n");
}

TEST(TableLineTest, OnlyStandardAndMetricReportsHaveAHeading) {
  for (const auto& [unitSystem, heading] :
       {std::pair{1, "HR   Adj F   + F \n"},
        std::pair{2, "HR   Adj C   + C \n"}, std::pair{3, ""},
        std::pair{0, ""}}) {
    std::ostringstream out;
    WriteUnitHeadingLine(out, unitSystem, kWidths, {"HR", "Adj F", "+ F"},
                         {"HR", "Adj C", "+ C"});
    EXPECT_EQ(out.str(), heading) << unitSystem;
  }
}

TEST(TableLineTest, TheHourIsAnIntegerAndOverlongValuesPushTheLine) {
  std::ostringstream out;
  WriteDataLine(out, kWidths, -6, {1234567.0, 0.00001});
  WriteDataLine(out, kWidths, 144, {29.921259842, 250.0});
  EXPECT_EQ(out.str(),
            "-6   1.23457e+061e-05\n"
            "144  29.9213 250 \n");
}

}  // namespace
