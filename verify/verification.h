#ifndef ORVANNE_VERIFY_VERIFICATION_H_
#define ORVANNE_VERIFY_VERIFICATION_H_

#include <optional>
#include <string>
#include <vector>

#include "products/issue_date.h"
#include "verify/backtest.h"
#include "verify/city_scores.h"
#include "verify/period_scores.h"
#include "verify/scores.h"
#include "verify/station_biases.h"

// How good the guidance was at the stations with daily climate reports
// (KFSD, KHON, KMHE), from the archive of fetched products, by lead day;
// the weight of the primary guidance that follows; and what following it
// would have given.

inline constexpr int kDefaultVerifiedDays = 30;

// The city observation of one day (see CityObserved).
struct CityObservedDay {
  IssueDate day;
  std::optional<double> maximum;  // °F
  std::optional<double> minimum;
};

struct Verification {
  IssueDate first;       // the first day verified
  IssueDate last;        // the last day verified
  int days = 0;          // days from first to last
  int verifiedDays = 0;  // days on which both GFS and NBM had a day-1 pair
  // [scored guidance][lead day] (kScoredGfs: MAV, kScoredNbm: NBS,
  // kScoredGfsx: MEX products).
  std::array<LeadDayScores, kScoredGuidance.size()> scores;
  long long ratioHundredths = 50;
  Backtest backtest;  // the valid days first to last
  // Each day from `first` to `last` with at least one element observed,
  // in date order; filled also when too few days are verified.
  std::vector<CityObservedDay> cityObserved;
  // The city's own forecasts (the archive's records) on the days first to
  // last, and each guidance alone beside them.
  CityScores city;
  // What the morning after `last` would remove at each station, and the
  // ratio from the errors with those biases removed.
  StationBiases biases;
  long long ratioBiasRemovedHundredths = 50;
  // One line for each record that could not be read or is another day's.
  std::vector<std::string> warnings;

  const GuidanceScores& Scores(int g, int leadDay) const {
    return scores[g][leadDay];
  }
  // The suggested weight of the primary guidance, as printed: 0.67.
  double Ratio() const { return static_cast<double>(ratioHundredths) / 100; }
  double RatioBiasRemoved() const {
    return static_cast<double>(ratioBiasRemovedHundredths) / 100;
  }
};

// Verifies the `days` days ending at `until` (at least 1). For each day V,
// lead day k and station: the observed maximum and minimum from the
// station's complete climate report for V (see ReadArchiveDays), and the
// forecasts for V of the 1200 UTC MAV and NBS blocks (k = 1, 2) and of the
// 0000 UTC MEX block (k = 1 to 7) issued on V - k (the folder of V - k).
// Each guidance, lead day and element scores its own pairs; a day counts as
// verified when both GFS and NBM have at least one pair at lead day 1. The
// ratio comes from lead days 1 and 2. Then the backtest of the days (see
// RunBacktest), each morning knowing the `days` days before it; the
// biases and the ratio with them removed of the morning after `until`;
// the city observations and the scores of the records of the mornings
// whose days 1 to 7 fall on the days (see ScoreCity). False, with `err`
// the reason, when fewer than kLeastVerifiedDays days are verified.
bool VerifyGuidance(const std::string& archive, const IssueDate& until,
                    int days, Verification* result, std::string* err);

#endif  // ORVANNE_VERIFY_VERIFICATION_H_
