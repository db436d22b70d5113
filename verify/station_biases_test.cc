#include "verify/station_biases.h"

#include <gtest/gtest.h>

#include <vector>

#include "verify/backtest.h"

namespace {

BiasSums Values(const std::vector<long long>& degrees) {
  BiasSums sums;
  for (long long d : degrees) sums.AddValue(kBiasScale * d);
  return sums;
}

// The guard, each case worked by hand (SE = sample sd / sqrt(count)).
TEST(StationBiasesTest, RemovedOnlyWhenEnoughAndClear) {
  const struct {
    const char* what;
    std::vector<long long> values;
    long long bias, standardError;
    std::optional<long long> removed;
  } cases[] = {
      {"six the same: too few", {3, 3, 3, 3, 3, 3}, 300, 0, std::nullopt},
      {"seven the same: SE 0", {3, 3, 3, 3, 3, 3, 3}, 300, 0, 300},
      {"seven zeros: nothing to remove", {0, 0, 0, 0, 0, 0, 0}, 0, 0,
       std::nullopt},
      // mean 1, deviations 3 x 5 and -5 x 3: sd sqrt(120 / 7) = 4.14, SE
      // 1.46; 1 < 2.93.
      {"within the noise", {4, 4, 4, 4, 4, -4, -4, -4}, 100, 146,
       std::nullopt},
      // mean 11/7 = 1.57, sd sqrt(7.714 / 6) = 1.134, SE 0.43; 1.57 >= 0.86.
      {"clear", {2, 2, 2, 2, 2, 2, -1}, 157, 43, 157},
      // mean -1, sd sqrt(14 / 6) = 1.53, SE 0.577; 1 < 1.15.
      {"just within", {-4, 1, -1, -1, -1, 0, -1}, -100, 58, std::nullopt},
  };
  for (const auto& c : cases) {
    const BiasCell cell = JudgeBias(Values(c.values));
    EXPECT_EQ(cell.count, static_cast<long long>(c.values.size())) << c.what;
    EXPECT_EQ(cell.biasHundredths, c.bias) << c.what;
    EXPECT_EQ(cell.standardErrorHundredths, c.standardError) << c.what;
    EXPECT_EQ(cell.removedHundredths, c.removed) << c.what;
  }
  EXPECT_FALSE(JudgeBias(BiasSums{}).biasHundredths);
}

// KFSD +1, KHON +2, KMHE none: KBKX's value the mean, 1.5 (9 sixths).
TEST(StationBiasesTest, KbkxTakesTheMeanOfTheDaysErrors) {
  ArchiveDay day{};
  day[3].observed = ClimateSummary{{}, 40, 20};
  day[1].observed = ClimateSummary{{}, 40, 20};
  day[2].observed = ClimateSummary{{}, 40, 20};
  day[3].forecast[kScoredGfs].days[1].maximum = 41;
  day[1].forecast[kScoredGfs].days[1].maximum = 42;
  day[0].forecast[kScoredGfs].days[1].maximum = 99;  // KBKX's own: unused
  const StationBiasSums sums = BiasSumsOfDay(day);
  const BiasSums& kbkx = sums.cells[kScoredGfs][0][1][0];
  EXPECT_EQ(kbkx.count, 1);
  EXPECT_EQ(kbkx.sum, 9);
  EXPECT_EQ(sums.cells[kScoredGfs][3][1][0].sum, 6);
  EXPECT_EQ(sums.cells[kScoredGfs][1][1][0].sum, 12);
  EXPECT_EQ(sums.cells[kScoredGfs][2][1][0].count, 0);
}

// Twenty days, KFSD only, GFS and NBM right on day 1; the GFSX's day-3
// maximum +3 on days 0 to 13 and right from day 14. Window 7: the morning
// of day m knows days m - 7 to m - 1. Valid days 14 to 19 at lead day 3
// come from mornings 11 to 16: 11 to 14 know seven +3 (removed 3, error
// -3); 15 six +3 and a 0 (2.57, SE 0.43, removed: -2.57); 16 five and two
// (2.14, SE 0.55, removed: -2.14). MAE (4 x 3 + 2.57 + 2.14) / 6 = 2.785,
// 2.79. A morning that knew its own day would see a 0 already at 14.
TEST(StationBiasesTest, TheBacktestRemovesOnlyWhatEachMorningKnew) {
  std::vector<ArchiveDay> days(20);
  for (int i = 0; i < 20; ++i) {
    StationDay& kfsd = days[i][3];
    kfsd.observed = ClimateSummary{{}, 40, 20};
    kfsd.forecast[kScoredGfs].days[1] = {20, 40};
    kfsd.forecast[kScoredNbm].days[1] = {20, 40};
    kfsd.forecast[kScoredGfsx].days[3].maximum = i < 14 ? 43 : 40;
  }
  const Backtest backtest = RunBacktest(days, 14, 7);
  const ErrorSums& removed =
      backtest.scores[static_cast<int>(BacktestForecast::kGfsxBiasRemoved)][3]
          .maximum;
  ASSERT_EQ(removed.count, 6);
  EXPECT_EQ(MaeHundredths(removed, kBacktestScale), 279);
  EXPECT_EQ(BiasHundredths(removed, kBacktestScale), -279);
}

// MAE' with the biases removed: GFS errors +2 at KFSD, removed 2: 0; NBM
// errors +1, nothing removed: 1. Ratio 0 / (1 + 0) = 0.00; both 0: 0.50.
TEST(StationBiasesTest, TheRatioFromTheErrorsLessTheBiases) {
  std::vector<ArchiveDay> days(7);
  for (ArchiveDay& day : days) {
    day[3].observed = ClimateSummary{{}, 40, 20};
    day[3].forecast[kScoredGfs].days[1].maximum = 42;
    day[3].forecast[kScoredNbm].days[1].maximum = 41;
  }
  StationBiases biases;
  EXPECT_EQ(RatioWithBiasesRemoved(days, 0, 7, biases), 67);  // 2 / 3
  biases.cells[kScoredGfs][3][1][0].removedHundredths = 200;
  EXPECT_EQ(RatioWithBiasesRemoved(days, 0, 7, biases), 0);
  biases.cells[kScoredNbm][3][1][0].removedHundredths = 100;
  EXPECT_EQ(RatioWithBiasesRemoved(days, 0, 7, biases), 50);
  // The bias of another station takes nothing off KFSD's errors.
  biases.cells[kScoredNbm][3][1][0].removedHundredths.reset();
  biases.cells[kScoredNbm][1][1][0].removedHundredths = 100;
  EXPECT_EQ(RatioWithBiasesRemoved(days, 0, 7, biases), 0);
}

}  // namespace
