#ifndef ORVANNE_VERIFY_STATION_BIASES_H_
#define ORVANNE_VERIFY_STATION_BIASES_H_

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <vector>

#include "verify/archive_days.h"
#include "verify/scores.h"

// Each guidance's bias at each station, element and lead day, and whether
// it may be removed: only a bias the days before a morning show clearly.

// A cell's values are kept in sixths of a degree: a reporting station's
// value is its own error; KBKX's, which has no report, is the mean of the
// day's errors of the one, two or three reporting stations, which sixths
// hold exactly.
inline constexpr long long kBiasScale = 6;

// Fewer values than this are too few to remove a bias.
inline constexpr long long kLeastBiasValues = 7;

struct BiasSums {
  long long count = 0;
  long long sum = 0;        // of the values, in sixths
  long long squareSum = 0;  // of their squares

  void AddValue(long long sixths);
  void Add(const BiasSums& other);
  void Subtract(const BiasSums& other);
};

// [scored guidance][station, kBulletinStations' order][lead day][element
// index (max 0, min 1)].
template <typename Cell>
using StationCells =
    std::array<std::array<std::array<std::array<Cell, 2>, kMostLeadDay + 1>,
                          kStationCount>,
               kScoredGuidance.size()>;

struct StationBiasSums {
  StationCells<BiasSums> cells;

  void Add(const StationBiasSums& other);
  void Subtract(const StationBiasSums& other);
};

// One day's values: a reporting station's pairs, KBKX's day mean.
StationBiasSums BiasSumsOfDay(const ArchiveDay& day);

// One cell judged: the count of its values, their mean and its standard
// error (the sample standard deviation / sqrt(count), 0 when every value
// is the same) in hundredths (none without a value), and the hundredths
// removed: the mean, when there are at least kLeastBiasValues values, the
// mean in hundredths is not 0 and |mean| >= 2 x the standard error;
// otherwise none (held back).
struct BiasCell {
  long long count = 0;
  std::optional<long long> biasHundredths;
  std::optional<long long> standardErrorHundredths;
  std::optional<long long> removedHundredths;
};

BiasCell JudgeBias(const BiasSums& sums);

// The cells the 1200 Model can correct: the NBM's and the GFS's lead days
// 1 and 2, the GFSX's 3 to 7.
bool IsBlendCell(int g, int leadDay);

struct StationBiases {
  StationCells<BiasCell> cells;  // judged for the blend's cells only
  int removedCells = 0;
  int heldBackCells = 0;  // blend cells with nothing removed

  // The hundredths removed, 0 where none.
  long long RemovedOrZero(int g, int station, int leadDay,
                          Element element) const;
};

StationBiases JudgeBiases(const StationBiasSums& window);

// The GFS's and the NBM's errors of lead days 1 and 2 at each reporting
// station over a run of days, as how many times each whole degree of error
// came, so a window can move a day at a time and still take any bias off
// each error.
struct ShortRangeErrors {
  // [0 GFS, 1 NBM][station][lead day 1, 2 at 0, 1][element index]: error
  // -> how many.
  std::array<std::array<std::array<std::array<std::map<int, long long>, 2>, 2>,
                        kStationCount>,
             2>
      counts;

  // Adds a day's pairs (`sign` 1), or takes them back (-1).
  void AddDay(const ArchiveDay& day, int sign = 1);
};

// The NBM's weight in hundredths from the errors with the biases removed:
// MAE'(GFS) / (MAE'(NBM) + MAE'(GFS)), each MAE' the mean over the
// reporting stations' pairs of lead days 1 and 2, both elements, of
// |error - the hundredths removed from that station's cell|; 50 when both
// are 0.
long long RatioWithBiasesRemoved(const ShortRangeErrors& errors,
                                 const StationBiases& biases);

// The same over the valid days `days[begin]` to `days[end - 1]`.
long long RatioWithBiasesRemoved(const std::vector<ArchiveDay>& days,
                                 std::size_t begin, std::size_t end,
                                 const StationBiases& biases);

#endif  // ORVANNE_VERIFY_STATION_BIASES_H_
