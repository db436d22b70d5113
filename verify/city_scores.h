#ifndef ORVANNE_VERIFY_CITY_SCORES_H_
#define ORVANNE_VERIFY_CITY_SCORES_H_

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "products/issue_date.h"
#include "verify/archive_days.h"
#include "verify/scores.h"

// The city's own forecasts, the records the program kept, verified against
// the city observation, and beside them each guidance alone as the city
// would have had it on the same days.

// Errors that are not whole numbers (a record's double less a weighted
// observation), summed wide and rounded once.
struct RealErrorSums {
  long long count = 0;
  long double sum = 0;          // of forecast - observed, °F
  long double absoluteSum = 0;  // of |forecast - observed|
  long double squareSum = 0;    // of (forecast - observed)^2

  void Add(double error);
};

// Hundredths of `value`, halves away from zero.
long long HundredthsOf(long double value);

// The mean error, mean absolute error and root mean square error in
// hundredths; `sums.count` above 0.
long long BiasHundredths(const RealErrorSums& sums);
long long MaeHundredths(const RealErrorSums& sums);
long long RmseHundredths(const RealErrorSums& sums);

// 1 - MAE(city) / MAE(alone) in hundredths; none without a pair or when
// the guidance alone made no error.
std::optional<long long> SkillHundredths(const RealErrorSums& city,
                                         const RealErrorSums& alone);

// One morning's record as verify reads it: the high and low of each of its
// days (index 1 to 7), in °F whatever the record's units.
struct CityRecord {
  std::array<std::optional<double>, kMostLeadDay + 1> high;
  std::array<std::optional<double>, kMostLeadDay + 1> low;
};

// The records of the `count` mornings from `first` on
// (ARCHIVE/YYYY-MM-DD/orvanne_1200.json), by index of the morning; a
// morning without one has none. A record that cannot be read, or is for
// another day than its folder's, is left out and named on one line in
// `warnings`.
std::vector<std::optional<CityRecord>> ReadCityRecords(
    const std::string& archive, const IssueDate& first, int count,
    std::vector<std::string>* warnings);

// Scored guidance `g`'s own city value of `element` at `leadDay` on
// `day`: its four stations' values weighted as the 1200 Model weighs
// them; none when a station lacks one.
std::optional<double> GuidanceAlone(const ArchiveDay& day, int g, int leadDay,
                                    Element element);

// Does scored guidance `g` feed the city forecast's lead day `leadDay`
// alone or blended? The NBM and the GFS at days 1 and 2, the GFSX at 1 to 7.
bool ScoredAtCityLeadDay(int g, int leadDay);

struct CityScores {
  // [lead day][element index]: the record's errors.
  std::array<std::array<RealErrorSums, 2>, kMostLeadDay + 1> city;
  // [scored guidance][lead day][element index], on the days both the city
  // and the guidance alone have a value: the city's errors and the
  // guidance's own.
  struct Beside {
    RealErrorSums city;
    RealErrorSums alone;
  };
  std::array<std::array<std::array<Beside, 2>, kMostLeadDay + 1>,
             kScoredGuidance.size()>
      alone;

  const RealErrorSums& City(int leadDay, Element element) const {
    return city[leadDay][ElementIndex(element)];
  }
  const Beside& Alone(int g, int leadDay, Element element) const {
    return alone[g][leadDay][ElementIndex(element)];
  }
};

// The scores of the valid days `days[firstValid]` on. `records[i]` is the
// record of the morning of `days[i]` (same indexes). Day n of the morning
// D's record is verified on D + n against CityObserved of that day.
CityScores ScoreCity(const std::vector<ArchiveDay>& days,
                     const std::vector<std::optional<CityRecord>>& records,
                     std::size_t firstValid);

#endif  // ORVANNE_VERIFY_CITY_SCORES_H_
