#include "verify/station_biases.h"

#include <cstdlib>

#include "verify/scores.h"

void BiasSums::AddValue(long long sixths) {
  ++count;
  sum += sixths;
  squareSum += sixths * sixths;
}

void BiasSums::Add(const BiasSums& other) {
  count += other.count;
  sum += other.sum;
  squareSum += other.squareSum;
}

void BiasSums::Subtract(const BiasSums& other) {
  count -= other.count;
  sum -= other.sum;
  squareSum -= other.squareSum;
}

namespace {

template <typename Each>
void ForEachCell(Each each) {
  for (std::size_t g = 0; g < kScoredGuidance.size(); ++g)
    for (int s = 0; s < kStationCount; ++s)
      for (int k = 1; k <= kMostLeadDay; ++k)
        for (int e = 0; e < 2; ++e) each(g, s, k, e);
}

const int kBkx = BulletinStationIndex("KBKX");

}  // namespace

void StationBiasSums::Add(const StationBiasSums& other) {
  ForEachCell([&](std::size_t g, int s, int k, int e) {
    cells[g][s][k][e].Add(other.cells[g][s][k][e]);
  });
}

void StationBiasSums::Subtract(const StationBiasSums& other) {
  ForEachCell([&](std::size_t g, int s, int k, int e) {
    cells[g][s][k][e].Subtract(other.cells[g][s][k][e]);
  });
}

StationBiasSums BiasSumsOfDay(const ArchiveDay& day) {
  StationBiasSums sums;
  for (std::size_t g = 0; g < kScoredGuidance.size(); ++g) {
    for (int k = 1; k <= kScoredGuidance[g].lastLeadDay; ++k) {
      for (Element element : kElements) {
        const int e = ElementIndex(element);
        long long errors = 0;
        long long reporting = 0;
        for (int s = 0; s < kStationCount; ++s) {
          if (!day[s].observed) continue;
          const std::optional<int> forecast =
              ElementOf(day[s].forecast[g].days[k], element);
          const std::optional<int> observed =
              ElementOf(*day[s].observed, element);
          if (!forecast || !observed) continue;
          const long long error = *forecast - *observed;
          sums.cells[g][s][k][e].AddValue(kBiasScale * error);
          errors += error;
          ++reporting;
        }
        if (reporting > 0)
          sums.cells[g][kBkx][k][e].AddValue(kBiasScale * errors / reporting);
      }
    }
  }
  return sums;
}

BiasCell JudgeBias(const BiasSums& sums) {
  BiasCell cell;
  cell.count = sums.count;
  if (sums.count == 0) return cell;
  const long long n = sums.count;
  const long long s = sums.sum;
  const long long q = sums.squareSum;
  cell.biasHundredths = RoundedHundredths(s, n * kBiasScale);
  // The sum of the squared deviations times n: n q - s^2, 0 when every
  // value is the same. SE^2 = (n q - s^2) / (n^2 (n - 1)) sixths squared.
  const long long spread = n * q - s * s;
  cell.standardErrorHundredths =
      n < 2 ? 0
            : RoundedRootHundredths(
                  spread, n * n * (n - 1) * kBiasScale * kBiasScale);
  // |s / n| >= 2 SE  <=>  s^2 (n - 1) >= 4 (n q - s^2)  <=>
  // s^2 (n + 3) >= 4 n q, in whole numbers.
  __extension__ using Wide = __int128;
  const bool clear = n < 2 || static_cast<Wide>(s) * s * (n + 3) >=
                                  static_cast<Wide>(4) * n * q;
  if (n >= kLeastBiasValues && *cell.biasHundredths != 0 && clear)
    cell.removedHundredths = cell.biasHundredths;
  return cell;
}

bool IsBlendCell(int g, int leadDay) {
  if (g == kScoredGfsx) return leadDay >= 3 && leadDay <= kMostLeadDay;
  return leadDay >= 1 && leadDay <= 2;
}

long long StationBiases::RemovedOrZero(int g, int station, int leadDay,
                                       Element element) const {
  return cells[g][station][leadDay][ElementIndex(element)]
      .removedHundredths.value_or(0);
}

StationBiases JudgeBiases(const StationBiasSums& window) {
  StationBiases biases;
  ForEachCell([&](std::size_t g, int s, int k, int e) {
    if (!IsBlendCell(static_cast<int>(g), k)) return;
    BiasCell& cell = biases.cells[g][s][k][e];
    cell = JudgeBias(window.cells[g][s][k][e]);
    if (cell.removedHundredths)
      ++biases.removedCells;
    else
      ++biases.heldBackCells;
  });
  return biases;
}

namespace {

constexpr int kRatioGuidance[2] = {kScoredGfs, kScoredNbm};

}  // namespace

void ShortRangeErrors::AddDay(const ArchiveDay& day, int sign) {
  for (int s = 0; s < kStationCount; ++s) {
    const StationDay& station = day[s];
    if (!station.observed) continue;
    for (int i = 0; i < 2; ++i) {
      for (int k = 1; k <= 2; ++k) {
        for (Element e : kElements) {
          const std::optional<int> forecast =
              ElementOf(station.forecast[kRatioGuidance[i]].days[k], e);
          const std::optional<int> observed = ElementOf(*station.observed, e);
          if (!forecast || !observed) continue;
          std::map<int, long long>& count =
              counts[i][s][k - 1][ElementIndex(e)];
          const auto at = count.try_emplace(*forecast - *observed, 0).first;
          at->second += sign;
          if (at->second == 0) count.erase(at);
        }
      }
    }
  }
}

long long RatioWithBiasesRemoved(const ShortRangeErrors& errors,
                                 const StationBiases& biases) {
  // [0] GFS, [1] NBM: sums of |100 error - removed| and their counts.
  long long absolute[2] = {0, 0};
  long long count[2] = {0, 0};
  for (int i = 0; i < 2; ++i) {
    for (int s = 0; s < kStationCount; ++s) {
      for (int k = 1; k <= 2; ++k) {
        for (Element e : kElements) {
          const long long removed =
              biases.RemovedOrZero(kRatioGuidance[i], s, k, e);
          for (const auto& [error, times] :
               errors.counts[i][s][k - 1][ElementIndex(e)]) {
            absolute[i] += times * std::llabs(100LL * error - removed);
            count[i] += times;
          }
        }
      }
    }
  }
  // As SuggestedRatioHundredths: Sg Cn / (Sn Cg + Sg Cn).
  const long long numerator = absolute[0] * count[1];
  const long long denominator = absolute[1] * count[0] + numerator;
  if (denominator == 0) return 50;
  return RoundedHundredths(numerator, denominator);
}

long long RatioWithBiasesRemoved(const std::vector<ArchiveDay>& days,
                                 std::size_t begin, std::size_t end,
                                 const StationBiases& biases) {
  ShortRangeErrors errors;
  for (std::size_t v = begin; v < end; ++v) errors.AddDay(days[v]);
  return RatioWithBiasesRemoved(errors, biases);
}
