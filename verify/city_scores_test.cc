#include "verify/city_scores.h"

#include <gtest/gtest.h>

#include "verify/city_observation.h"

namespace {

// kBulletinStations: KBKX 0, KHON 1, KMHE 2, KFSD 3.
constexpr int kKhon = 1, kKmhe = 2, kKfsd = 3;

void Observe(ArchiveDay* day, int station, std::optional<int> maximum,
             std::optional<int> minimum) {
  (*day)[station].observed = ClimateSummary{{}, maximum, minimum};
}

// The weights 0.353460408 (KBKX), 0.1793834 (KHON), 0.215645378 (KMHE),
// 0.25151496 (KFSD). KFSD 40, KHON 30, KMHE 50: (10.0605984 + 5.381502 +
// 10.7822689) / 0.646543738 = 40.5609; without KHON 20.8428673 /
// 0.467160338 = 44.6161; KHON's minimum "MM" leaves the others'.
TEST(CityObservationTest, EachReportingStationByItsWeight) {
  ArchiveDay day{};
  EXPECT_FALSE(CityObserved(day, Element::kMaximum));
  Observe(&day, kKfsd, 40, 10);
  Observe(&day, kKmhe, 50, 20);
  EXPECT_NEAR(*CityObserved(day, Element::kMaximum), 44.6161, 1e-4);
  Observe(&day, kKhon, 30, std::nullopt);
  EXPECT_NEAR(*CityObserved(day, Element::kMaximum), 40.5609, 1e-4);
  // (0.25151496 x 10 + 0.215645378 x 20) / 0.467160338 = 14.6161
  EXPECT_NEAR(*CityObserved(day, Element::kMinimum), 14.6161, 1e-4);
}

// Valid days 1 to 3 (day 0 is before the first), observed 40 and 20 at the
// three stations. Records: morning 0 highs 41, 42, 43 for its days 1 to 3
// and lows 19; morning 1 highs 42 (day 2) and 40 (day 3); morning 2 high 39
// (day 3). Lead day 1 highs: +1, +2, -1: bias 0.67, MAE 1.33, RMSE
// sqrt(6 / 3) = 1.41; lead day 2: +2, 0: 1.00, 1.00, 1.41; lead day 3:
// +3. Lows: -1 at lead days 1 to 3, once each.
// Alone: the GFS day 1 maxima 44 at all four stations: 44 x 1.000004146,
// errors 4.0002 each, skill 1 - 1.3333 / 4.0002 = 0.67; the NBM's 41 but
// KBKX missing on day 3: days 1 and 2 only, the city's +1 and +2 there:
// 1 - 1.5 / 1.0002 = -0.50. GFSX day 3 maximum on day 3: KBKX 50, the
// others 40: 17.6730204 + 25.8617495 = 43.5348, skill 1 - 3 / 3.5348 =
// 0.15.
TEST(CityScoresTest, TheRecordsByLeadDayAndEachGuidanceAlone) {
  std::vector<ArchiveDay> days(4);
  for (ArchiveDay& day : days)
    for (int s : {kKhon, kKmhe, kKfsd}) Observe(&day, s, 40, 20);
  std::vector<std::optional<CityRecord>> records(4);
  records[0] = CityRecord{};
  records[1] = CityRecord{};
  records[2] = CityRecord{};
  for (int n = 1; n <= 3; ++n) {
    records[0]->high[n] = 40 + n;
    records[0]->low[n] = 19;
  }
  records[1]->high[1] = 42;
  records[1]->high[2] = 40;
  records[2]->high[1] = 39;
  for (int v = 1; v <= 3; ++v) {
    for (int s = 0; s < kStationCount; ++s) {
      days[v][s].forecast[kScoredGfs].days[1].maximum = 44;
      if (v != 3 || s != 0) days[v][s].forecast[kScoredNbm].days[1].maximum = 41;
      days[v][s].forecast[kScoredGfsx].days[3].maximum = s == 0 ? 50 : 40;
    }
  }
  const CityScores scores = ScoreCity(days, records, 1);
  const struct {
    int leadDay;
    Element element;
    long long count, bias, mae, rmse;
  } cases[] = {
      {1, Element::kMaximum, 3, 67, 133, 141},
      {2, Element::kMaximum, 2, 100, 100, 141},
      {3, Element::kMaximum, 1, 300, 300, 300},
      {1, Element::kMinimum, 1, -100, 100, 100},
      {3, Element::kMinimum, 1, -100, 100, 100},
  };
  for (const auto& c : cases) {
    const RealErrorSums& sums = scores.City(c.leadDay, c.element);
    ASSERT_EQ(sums.count, c.count) << c.leadDay;
    EXPECT_EQ(BiasHundredths(sums), c.bias) << c.leadDay;
    EXPECT_EQ(MaeHundredths(sums), c.mae) << c.leadDay;
    EXPECT_EQ(RmseHundredths(sums), c.rmse) << c.leadDay;
  }
  EXPECT_EQ(scores.City(4, Element::kMaximum).count, 0);
  const auto skill = [&](int g, int k) {
    const CityScores::Beside& b = scores.Alone(g, k, Element::kMaximum);
    return SkillHundredths(b.city, b.alone);
  };
  EXPECT_EQ(skill(kScoredGfs, 1), 67);
  EXPECT_EQ(skill(kScoredNbm, 1), -50);
  EXPECT_EQ(scores.Alone(kScoredNbm, 1, Element::kMaximum).alone.count, 2);
  EXPECT_EQ(MaeHundredths(scores.Alone(kScoredGfsx, 3, Element::kMaximum).alone),
            353);
  EXPECT_EQ(skill(kScoredGfsx, 3), 15);
  // No GFSX value on day 1 or 2 at lead day 1: no skill.
  EXPECT_EQ(skill(kScoredGfsx, 1), std::nullopt);
  EXPECT_FALSE(ScoredAtCityLeadDay(kScoredNbm, 3));
  EXPECT_TRUE(ScoredAtCityLeadDay(kScoredGfsx, 1));
}

}  // namespace
