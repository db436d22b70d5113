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

Backtest RunBacktest(const std::vector<ArchiveDay>& days, int firstValid,
                     int windowDays) {
  Backtest backtest;
  const int count = static_cast<int>(days.size());
  // What the last mornings knew, by morning index modulo the ring's size:
  // only the lead days' mornings before the day scored are kept, and each
  // day's scores are made again as it leaves the window rather than held.
  constexpr int kRing = kMostLeadDay + 1;
  std::vector<MorningKnowledge> known(kRing);
  PeriodScores window;
  ShortRangeErrors errors;
  for (int i = 0; i < windowDays && i < count; ++i) {
    window.Add(ScoreDay(days[i]));
    errors.AddDay(days[i]);
  }
  int next = windowDays;  // the next morning to learn
  for (int v = firstValid; v < count; ++v) {
    for (; next < v; ++next) {
      known[next % kRing] = KnowledgeOf(window, errors);
      window.Add(ScoreDay(days[next]));
      window.Subtract(ScoreDay(days[next - windowDays]));
      errors.AddDay(days[next]);
      errors.AddDay(days[next - windowDays], -1);
    }
    for (int k = 1; k <= kMostLeadDay; ++k) {
      // A morning before the window's length knew too few days.
      if (v - k < windowDays) continue;
      const MorningKnowledge& morning = known[(v - k) % kRing];
      if (morning.verifiedDays < kLeastVerifiedDays) continue;
      for (int s = 0; s < kStationCount; ++s) {
        const StationDay& station = days[v][s];
        if (!station.observed) continue;
        if (k <= 2)
          AddShortRange(station, s, k, morning, &backtest);
        else
          AddExtended(station, s, k, morning, &backtest);
      }
    }
  }
  return backtest;
}
