#include "verify/backtest.h"

namespace {

constexpr long long kHundredths = 100;

int ElementIndex(Element element) {
  return element == Element::kMaximum ? 0 : 1;
}

void AddError(Backtest* backtest, BacktestForecast forecast, int leadDay,
              Element element, long long error) {
  backtest->scores[static_cast<int>(forecast)][leadDay].Of(element).AddError(
      error);
}

long long BiasOrNone(const MorningKnowledge& known, int g, int leadDay,
                     Element element) {
  return known.biasHundredths[g][leadDay][ElementIndex(element)].value_or(0);
}

// Lead days 1 and 2, in ten-thousandths: r x (100 NBM - bias) +
// (100 - r) x (100 GFS - bias) - 10000 observed.
void AddShortRange(const StationDay& day, int k, const MorningKnowledge& known,
                   Backtest* backtest) {
  for (Element e : kElements) {
    const std::optional<int> o = ElementOf(*day.observed, e);
    const std::optional<int> g = ElementOf(day.forecast[kScoredGfs].days[k], e);
    const std::optional<int> n = ElementOf(day.forecast[kScoredNbm].days[k], e);
    if (!o || !g || !n) continue;
    const long long r = known.ratioHundredths;
    const long long observed = kBacktestScale * *o;
    const long long bg = BiasOrNone(known, kScoredGfs, k, e);
    const long long bn = BiasOrNone(known, kScoredNbm, k, e);
    AddError(backtest, BacktestForecast::kGfs, k, e,
             kBacktestScale * *g - observed);
    AddError(backtest, BacktestForecast::kNbm, k, e,
             kBacktestScale * *n - observed);
    AddError(
        backtest, BacktestForecast::kBlend, k, e,
        r * kHundredths * *n + (kHundredths - r) * kHundredths * *g - observed);
    AddError(backtest, BacktestForecast::kBlendBiasRemoved, k, e,
             r * (kHundredths * *n - bn) +
                 (kHundredths - r) * (kHundredths * *g - bg) - observed);
  }
}

void AddExtended(const StationDay& day, int k, const MorningKnowledge& known,
                 Backtest* backtest) {
  for (Element e : kElements) {
    const std::optional<int> o = ElementOf(*day.observed, e);
    const std::optional<int> x =
        ElementOf(day.forecast[kScoredGfsx].days[k], e);
    if (!o || !x) continue;
    const long long observed = kBacktestScale * *o;
    const long long bx = BiasOrNone(known, kScoredGfsx, k, e);
    AddError(backtest, BacktestForecast::kGfsx, k, e,
             kBacktestScale * *x - observed);
    AddError(backtest, BacktestForecast::kGfsxBiasRemoved, k, e,
             kHundredths * (kHundredths * *x - bx) - observed);
  }
}

// What each morning from `windowDays` on knew, by index of its day.
std::vector<MorningKnowledge> Mornings(
    const std::vector<PeriodScores>& dayScores, int windowDays) {
  const int count = static_cast<int>(dayScores.size());
  std::vector<MorningKnowledge> mornings(dayScores.size());
  PeriodScores window;
  for (int i = 0; i < windowDays && i < count; ++i) window.Add(dayScores[i]);
  for (int m = windowDays; m < count; ++m) {
    mornings[m] = KnowledgeOf(window);
    window.Add(dayScores[m]);
    window.Subtract(dayScores[m - windowDays]);
  }
  return mornings;
}

}  // namespace

MorningKnowledge KnowledgeOf(const PeriodScores& window) {
  MorningKnowledge known;
  known.verifiedDays = window.verifiedDays;
  known.ratioHundredths = RatioOfDaysOneAndTwo(window);
  for (std::size_t g = 0; g < kScoredGuidance.size(); ++g)
    for (int k = 1; k <= kMostLeadDay; ++k)
      for (Element e : kElements)
        known.biasHundredths[g][k][ElementIndex(e)] =
            BiasOf(window, static_cast<int>(g), k, e);
  return known;
}

Backtest RunBacktest(const std::vector<ArchiveDay>& days,
                     const std::vector<PeriodScores>& dayScores, int firstValid,
                     int windowDays) {
  Backtest backtest;
  const std::vector<MorningKnowledge> mornings =
      Mornings(dayScores, windowDays);
  for (std::size_t v = firstValid; v < days.size(); ++v) {
    for (int k = 1; k <= kMostLeadDay; ++k) {
      const MorningKnowledge& known = mornings[v - k];
      if (known.verifiedDays < kLeastVerifiedDays) continue;
      for (const StationDay& station : days[v]) {
        if (!station.observed) continue;
        if (k <= 2)
          AddShortRange(station, k, known, &backtest);
        else
          AddExtended(station, k, known, &backtest);
      }
    }
  }
  return backtest;
}
