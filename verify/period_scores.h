#ifndef ORVANNE_VERIFY_PERIOD_SCORES_H_
#define ORVANNE_VERIFY_PERIOD_SCORES_H_

#include <array>
#include <optional>

#include "verify/archive_days.h"
#include "verify/scores.h"
#include "verify/station_biases.h"

// The scores of a run of days: of one day, of the days verified, or of a
// window that moves on a day at a time (a day added, a day taken back).

// Fewer verified days than this make no suggestion.
inline constexpr int kLeastVerifiedDays = 7;

// One guidance's scores by lead day; index 0 stays empty.
using LeadDayScores = std::array<GuidanceScores, kMostLeadDay + 1>;

struct PeriodScores {
  // [scored guidance][lead day], as kScoredGuidance orders them.
  std::array<LeadDayScores, kScoredGuidance.size()> byLeadDay;
  // Days on which both the GFS and the NBM had a pair at lead day 1.
  int verifiedDays = 0;
  // By station, for the biases that may be removed.
  StationBiasSums biasSums;

  void Add(const PeriodScores& other);
  void Subtract(const PeriodScores& other);
};

// Every pair of forecast and observed value one day holds.
PeriodScores ScoreDay(const ArchiveDay& day);

// The suggested weight of the NBM in hundredths, from all the maximum and
// minimum pairs of lead days 1 and 2 of the GFS and the NBM together.
long long RatioOfDaysOneAndTwo(const PeriodScores& scores);

#endif  // ORVANNE_VERIFY_PERIOD_SCORES_H_
