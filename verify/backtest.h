#ifndef ORVANNE_VERIFY_BACKTEST_H_
#define ORVANNE_VERIFY_BACKTEST_H_

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "verify/archive_days.h"
#include "verify/period_scores.h"
#include "verify/station_biases.h"

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

// The figures of the backtest's summary, each the mean absolute error in
// hundredths over both elements of its lead days, rounded once from the
// sums; none without a pair. Days 1 and 2: the blend, the GFS, the NBM and
// the blend with the biases removed; days 3 to 7: the GFSX and the GFSX
// with its biases removed.
struct BacktestSummary {
  std::optional<long long> blend, gfs, nbm, blendBiasRemoved;
  std::optional<long long> gfsx, gfsxBiasRemoved;
};

// One forecast's errors over its lead days `first` to `last`, both
// elements.
ErrorSums BacktestTotal(const Backtest& backtest, BacktestForecast forecast,
                        int first, int last);

BacktestSummary SummaryOf(const Backtest& backtest);

// What a morning knew: its verified days, the ratio it printed, and the
// biases it would remove at each station with the ratio that goes with
// them, from the verification of the days before it.
struct MorningKnowledge {
  int verifiedDays = 0;
  long long ratioHundredths = 50;
  StationBiases biases;
  long long ratioBiasRemovedHundredths = 50;
};

// What the morning after a run of valid days knew, `window` their sums
// and `errors` their short-range errors.
MorningKnowledge KnowledgeOf(const PeriodScores& window,
                             const ShortRangeErrors& errors);

// The backtest of the valid days `days[firstValid]` to the last, where
// firstValid is at least kMostLeadDay + windowDays. The morning of day
// V - k (k the lead day) knew the `windowDays` days before it; a pair
// counts only when that
// morning had at least kLeastVerifiedDays verified days. At each station:
// GFS, NBM, the blend r x NBM + (1 - r) x GFS, and r' x (NBM - b) +
// (1 - r') x (GFS - b) with the station's biases b that the morning would
// remove and the ratio r' that goes with them, at lead days 1 and 2, over
// the pairs where both gave a value; the GFSX alone and less its removed
// bias at lead days 3 to 7. One pass, the window's sums moved a day at a
// time.
Backtest RunBacktest(const std::vector<ArchiveDay>& days, int firstValid,
                     int windowDays);

#endif  // ORVANNE_VERIFY_BACKTEST_H_
