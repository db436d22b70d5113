#ifndef ORVANNE_VERIFY_BACKTEST_H_
#define ORVANNE_VERIFY_BACKTEST_H_

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "verify/archive_days.h"
#include "verify/period_scores.h"

// What following the suggested ratio (and removing the biases) would have
// given: each valid day and lead day forecast again with only what the
// morning of its issue knew, the verification of the days before it.

enum class BacktestForecast {
  kGfs,
  kNbm,
  kBlend,
  kBlendBiasRemoved,
  kGfsx,
  kGfsxBiasRemoved,
};

struct BacktestForecastFacts {
  BacktestForecast forecast;
  std::string_view name;  // as the table and the document name it
  int firstLeadDay;
  int lastLeadDay;
};

// In the order the table shows them.
inline constexpr std::array<BacktestForecastFacts, 6> kBacktestForecasts{{
    {BacktestForecast::kGfs, "GFS", 1, 2},
    {BacktestForecast::kNbm, "NBM", 1, 2},
    {BacktestForecast::kBlend, "blend", 1, 2},
    {BacktestForecast::kBlendBiasRemoved, "blend, bias removed", 1, 2},
    {BacktestForecast::kGfsx, "GFSX", 3, kMostLeadDay},
    {BacktestForecast::kGfsxBiasRemoved, "GFSX, bias removed", 3, kMostLeadDay},
}};

// The backtest's errors are sums in ten-thousandths of a degree: a ratio
// and biases in hundredths keep every blended error a whole number.
inline constexpr long long kBacktestScale = 10000;

struct Backtest {
  // [forecast][lead day], errors in 1/kBacktestScale degrees.
  std::array<std::array<GuidanceScores, kMostLeadDay + 1>,
             kBacktestForecasts.size()>
      scores;
};

// What a morning knew: its verified days, the ratio it printed and each
// guidance's bias by lead day and element in hundredths (none without a
// pair), from the verification of the days before it.
struct MorningKnowledge {
  int verifiedDays = 0;
  long long ratioHundredths = 50;
  std::array<
      std::array<std::array<std::optional<long long>, 2>, kMostLeadDay + 1>,
      kScoredGuidance.size()>
      biasHundredths;
};

MorningKnowledge KnowledgeOf(const PeriodScores& window);

// The backtest of the valid days `days[firstValid]` to the last, where
// `dayScores[i]` is ScoreDay(days[i]) and firstValid is at least
// kMostLeadDay + windowDays. The morning of day V - k (k the lead day)
// knew the `windowDays` days before it; a pair counts only when that
// morning had at least kLeastVerifiedDays verified days. At each station:
// GFS, NBM, the blend r x NBM + (1 - r) x GFS and the same with each
// guidance's bias subtracted first at lead days 1 and 2, over the pairs
// where both gave a value; the GFSX alone and with its bias subtracted at
// lead days 3 to 7. One pass, the window's sums moved a day at a time.
Backtest RunBacktest(const std::vector<ArchiveDay>& days,
                     const std::vector<PeriodScores>& dayScores, int firstValid,
                     int windowDays);

#endif  // ORVANNE_VERIFY_BACKTEST_H_
