#include "verify/forecast_values.h"

#include <gtest/gtest.h>

namespace {

TEST(ForecastValuesTest, TheLeadDayOfAnHour) {
  // {cycle, hour, lead day}: the day of D + cycle + hour - 12 h, less D.
  const int cases[][3] = {{12, 24, 1}, {12, 36, 1}, {12, 48, 2}, {12, 60, 2},
                          {0, 24, 0},  {0, 36, 1},  {0, 192, 7}, {0, 6, -1}};
  for (const auto& c : cases)
    EXPECT_EQ(LeadDayOf(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

constexpr const char* kMexHours =
    " FHR  24| 36  48| 60  72| 84  96|108 120|132 144|156 168|180 192\n";

// A value counts only where it stands whole in its place.
TEST(ForecastValuesTest, ReadsEachValueInItsPlaceAndNoDamagedOne) {
  const std::optional<int> none;
  const struct {
    const char* what;
    Guidance guidance;
    int cycleHour;
    std::string block;
    int leadDay;
    std::optional<int> minimum, maximum;
  } cases[] = {
      {"GFSX day 1", Guidance::kGfsx, 0,
       std::string(kMexHours) +
           " X/N  29| 17  30| 15  28| 13  26|  9  23| 11  27| 16  32| 19  34  15 31\n",
       1, 17, 30},
      {"GFSX day 7, climatology after it", Guidance::kGfsx, 0,
       std::string(kMexHours) +
           " X/N  29| 17  30| 15  28| 13  26|  9  23| 11  27| 16  32| 19  34  15 31\n",
       7, 19, 34},
      {"GFSX row cut in a value", Guidance::kGfsx, 0,
       std::string(kMexHours) + " X/N  29| 17  3", 1, 17, none},
      {"GFSX damaged and missing values", Guidance::kGfsx, 0,
       std::string(kMexHours) + " X/N  29| 1x-99|\n", 1, none, none},
      {"GFSX without its hours", Guidance::kGfsx, 0, " X/N  29| 17  30|\n", 1,
       none, none},
      {"GFSX of the 1200 cycle: hour 36 is a maximum", Guidance::kGfsx, 12,
       std::string(kMexHours) + " X/N  29| 17  30|\n", 1, 29, 17},
      {"NBM day 2, a missing maximum", Guidance::kNbm, 12,
       " TXN " + std::string(18, ' ') + " 10" + std::string(9, ' ') + " 30" +
           std::string(9, ' ') + " 12" + std::string(9, ' ') + "-99\n",
       2, 12, none},
      {"GFS day 2, a damaged maximum", Guidance::kGfs, 12,
       " N/X     18    31    16    2a\n", 2, 16, none},
  };
  for (const auto& c : cases) {
    const LeadForecasts read =
        ReadBlockForecast(c.block, c.guidance, c.cycleHour);
    EXPECT_EQ(read.days[c.leadDay].minimum, c.minimum) << c.what;
    EXPECT_EQ(read.days[c.leadDay].maximum, c.maximum) << c.what;
  }
}

}  // namespace
