#include "verify/backtest.h"

namespace {

constexpr long long kHundredths = 100;

void AddError(Backtest* backtest, BacktestForecast forecast, int leadDay,
              Element element, long long error) {
  backtest->scores[static_cast<int>(forecast)][leadDay].Of(element).AddError(
      error);
}

// Lead days 1 and 2 at station `s`, in ten-thousandths: r x 100 NBM +
// (100 - r) x 100 GFS - 10000 observed, and with r' and the biases
// removed.
void AddShortRange(const StationDay& day, int s, int k,
                   const MorningKnowledge& known, Backtest* backtest) {
  for (Element e : kElements) {
    const std::optional<int> o = ElementOf(*day.observed, e);
    const std::optional<int> g = ElementOf(day.forecast[kScoredGfs].days[k], e);
    const std::optional<int> n = ElementOf(day.forecast[kScoredNbm].days[k], e);
    if (!o || !g || !n) continue;
    const long long r = known.ratioHundredths;
    const long long observed = kBacktestScale * *o;
    const long long rb = known.ratioBiasRemovedHundredths;
    const long long bg = known.biases.RemovedOrZero(kScoredGfs, s, k, e);
    const long long bn = known.biases.RemovedOrZero(kScoredNbm, s, k, e);
    AddError(backtest, BacktestForecast::kGfs, k, e,
             kBacktestScale * *g - observed);
    AddError(backtest, BacktestForecast::kNbm, k, e,
             kBacktestScale * *n - observed);
    AddError(
        backtest, BacktestForecast::kBlend, k, e,
        r * kHundredths * *n + (kHundredths - r) * kHundredths * *g - observed);
    AddError(backtest, BacktestForecast::kBlendBiasRemoved, k, e,
             rb * (kHundredths * *n - bn) +
                 (kHundredths - rb) * (kHundredths * *g - bg) - observed);
  }
}

void AddExtended(const StationDay& day, int s, int k,
                 const MorningKnowledge& known, Backtest* backtest) {
  for (Element e : kElements) {
    const std::optional<int> o = ElementOf(*day.observed, e);
    const std::optional<int> x =
        ElementOf(day.forecast[kScoredGfsx].days[k], e);
    if (!o || !x) continue;
    const long long observed = kBacktestScale * *o;
    const long long bx = known.biases.RemovedOrZero(kScoredGfsx, s, k, e);
    AddError(backtest, BacktestForecast::kGfsx, k, e,
             kBacktestScale * *x - observed);
    AddError(backtest, BacktestForecast::kGfsxBiasRemoved, k, e,
             kHundredths * (kHundredths * *x - bx) - observed);
  }
}

// What each morning from `windowDays` on knew, by index of its day less
// `windowDays`.
std::vector<MorningKnowledge> Mornings(
    const std::vector<ArchiveDay>& days,
    const std::vector<PeriodScores>& dayScores, int windowDays) {
  const int count = static_cast<int>(dayScores.size());
  std::vector<MorningKnowledge> mornings;
  if (count > windowDays) mornings.reserve(count - windowDays);
  PeriodScores window;
  ShortRangeErrors errors;
  for (int i = 0; i < windowDays && i < count; ++i) {
    window.Add(dayScores[i]);
    errors.AddDay(days[i]);
  }
  for (int m = windowDays; m < count; ++m) {
    mornings.push_back(KnowledgeOf(window, errors));
    window.Add(dayScores[m]);
    window.Subtract(dayScores[m - windowDays]);
    errors.AddDay(days[m]);
    errors.AddDay(days[m - windowDays], -1);
  }
  return mornings;
}

}  // namespace

ErrorSums BacktestTotal(const Backtest& backtest, BacktestForecast forecast,
                        int first, int last) {
  ErrorSums total;
  for (int k = first; k <= last; ++k)
    total.Add(backtest.scores[static_cast<int>(forecast)][k].All());
  return total;
}

BacktestSummary SummaryOf(const Backtest& backtest) {
  auto mae = [&](BacktestForecast f, int first,
                 int last) -> std::optional<long long> {
    const ErrorSums total = BacktestTotal(backtest, f, first, last);
    if (total.count == 0) return std::nullopt;
    return MaeHundredths(total, kBacktestScale);
  };
  BacktestSummary summary;
  summary.blend = mae(BacktestForecast::kBlend, 1, 2);
  summary.gfs = mae(BacktestForecast::kGfs, 1, 2);
  summary.nbm = mae(BacktestForecast::kNbm, 1, 2);
  summary.blendBiasRemoved = mae(BacktestForecast::kBlendBiasRemoved, 1, 2);
  summary.gfsx = mae(BacktestForecast::kGfsx, 3, kMostLeadDay);
  summary.gfsxBiasRemoved =
      mae(BacktestForecast::kGfsxBiasRemoved, 3, kMostLeadDay);
  return summary;
}

MorningKnowledge KnowledgeOf(const PeriodScores& window,
                             const ShortRangeErrors& errors) {
  MorningKnowledge known;
  known.verifiedDays = window.verifiedDays;
  known.ratioHundredths = RatioOfDaysOneAndTwo(window);
  known.biases = JudgeBiases(window.biasSums);
  known.ratioBiasRemovedHundredths =
      RatioWithBiasesRemoved(errors, known.biases);
  return known;
}

Backtest RunBacktest(const std::vector<ArchiveDay>& days,
                     const std::vector<PeriodScores>& dayScores, int firstValid,
                     int windowDays) {
  Backtest backtest;
  const std::vector<MorningKnowledge> mornings =
      Mornings(days, dayScores, windowDays);
  for (std::size_t v = firstValid; v < days.size(); ++v) {
    for (int k = 1; k <= kMostLeadDay; ++k) {
      // A morning before the window's length knew too few days.
      if (static_cast<int>(v) - k < windowDays) continue;
      const MorningKnowledge& known = mornings[v - k - windowDays];
      if (known.verifiedDays < kLeastVerifiedDays) continue;
      for (int s = 0; s < kStationCount; ++s) {
        const StationDay& station = days[v][s];
        if (!station.observed) continue;
        if (k <= 2)
          AddShortRange(station, s, k, known, &backtest);
        else
          AddExtended(station, s, k, known, &backtest);
      }
    }
  }
  return backtest;
}
