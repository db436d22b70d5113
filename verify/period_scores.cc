#include "verify/period_scores.h"

void PeriodScores::Add(const PeriodScores& other) {
  for (std::size_t g = 0; g < byLeadDay.size(); ++g)
    for (int k = 1; k <= kMostLeadDay; ++k)
      byLeadDay[g][k].Add(other.byLeadDay[g][k]);
  verifiedDays += other.verifiedDays;
  biasSums.Add(other.biasSums);
}

void PeriodScores::Subtract(const PeriodScores& other) {
  for (std::size_t g = 0; g < byLeadDay.size(); ++g)
    for (int k = 1; k <= kMostLeadDay; ++k)
      byLeadDay[g][k].Subtract(other.byLeadDay[g][k]);
  verifiedDays -= other.verifiedDays;
  biasSums.Subtract(other.biasSums);
}

PeriodScores ScoreDay(const ArchiveDay& day) {
  PeriodScores scores;
  for (const StationDay& station : day) {
    if (!station.observed) continue;
    for (std::size_t g = 0; g < kScoredGuidance.size(); ++g) {
      for (int k = 1; k <= kScoredGuidance[g].lastLeadDay; ++k) {
        for (Element element : kElements) {
          const std::optional<int> forecast =
              ElementOf(station.forecast[g].days[k], element);
          const std::optional<int> observed =
              ElementOf(*station.observed, element);
          if (forecast && observed)
            scores.byLeadDay[g][k].Of(element).Add(*forecast, *observed);
        }
      }
    }
  }
  const bool gfs = scores.byLeadDay[kScoredGfs][1].All().count > 0;
  const bool nbm = scores.byLeadDay[kScoredNbm][1].All().count > 0;
  scores.verifiedDays = gfs && nbm ? 1 : 0;
  scores.biasSums = BiasSumsOfDay(day);
  return scores;
}

long long RatioOfDaysOneAndTwo(const PeriodScores& scores) {
  GuidanceScores gfs = scores.byLeadDay[kScoredGfs][1];
  gfs.Add(scores.byLeadDay[kScoredGfs][2]);
  GuidanceScores nbm = scores.byLeadDay[kScoredNbm][1];
  nbm.Add(scores.byLeadDay[kScoredNbm][2]);
  return SuggestedRatioHundredths(gfs, nbm);
}
