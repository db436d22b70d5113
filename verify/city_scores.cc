#include "verify/city_scores.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "blend/city_forecast.h"
#include "common/units.h"
#include "products/archive.h"
#include "record/forecast_record.h"
#include "verify/city_observation.h"
#include "verify/period_scores.h"

void RealErrorSums::Add(double error) {
  ++count;
  sum += error;
  absoluteSum += std::fabs(error);
  squareSum += static_cast<long double>(error) * error;
}

long long HundredthsOf(long double value) { return std::llround(100 * value); }

long long BiasHundredths(const RealErrorSums& sums) {
  return HundredthsOf(sums.sum / sums.count);
}

long long MaeHundredths(const RealErrorSums& sums) {
  return HundredthsOf(sums.absoluteSum / sums.count);
}

long long RmseHundredths(const RealErrorSums& sums) {
  return HundredthsOf(std::sqrt(sums.squareSum / sums.count));
}

std::optional<long long> SkillHundredths(const RealErrorSums& city,
                                         const RealErrorSums& alone) {
  if (city.count == 0 || alone.count == 0 || alone.absoluteSum == 0)
    return std::nullopt;
  // Both means over the same days: their ratio is that of the sums.
  return HundredthsOf(1 - (city.absoluteSum / city.count) /
                              (alone.absoluteSum / alone.count));
}

namespace {

double InFahrenheit(double value, UnitSystem units) {
  return units == UnitSystem::kMetric ? CelsiusToFahrenheit(value) : value;
}

}  // namespace

std::vector<std::optional<CityRecord>> ReadCityRecords(
    const std::string& archive, const IssueDate& first, int count,
    std::vector<std::string>* warnings) {
  std::vector<std::optional<CityRecord>> mornings(
      static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const IssueDate morning = AddDays(first, i);
    const std::string path =
        DayFile(archive, morning, DayFileKind::kRecord);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) continue;
    ForecastRecord record;
    std::string err;
    if (!ReadMorningRecord(path, morning, &record, &err,
                           RecordParts::kWithoutSky)) {
      warnings->push_back(err);
      continue;
    }
    CityRecord days;
    for (const DayRow& row : record.forecast.days) {
      if (row.day < 1 || row.day > kMostLeadDay) continue;
      days.high[row.day] = InFahrenheit(row.highTemp, record.units);
      days.low[row.day] = InFahrenheit(row.lowTemp, record.units);
    }
    mornings[i] = days;
  }
  return mornings;
}

bool ScoredAtCityLeadDay(int g, int leadDay) {
  return leadDay >= 1 && leadDay <= kScoredGuidance[g].lastLeadDay;
}

std::optional<double> GuidanceAlone(const ArchiveDay& day, int g, int leadDay,
                                    Element element) {
  StationSet values;
  for (int s = 0; s < kStationCount; ++s) {
    const std::optional<int> value =
        ElementOf(day[s].forecast[g].days[leadDay], element);
    if (!value) return std::nullopt;
    values[s] = *value;
  }
  return WeightStations(values);
}

CityScores ScoreCity(const std::vector<ArchiveDay>& days,
                     const std::vector<std::optional<CityRecord>>& records,
                     std::size_t firstValid) {
  CityScores scores;
  for (std::size_t v = firstValid; v < days.size(); ++v) {
    for (Element e : kElements) {
      const std::optional<double> observed = CityObserved(days[v], e);
      if (!observed) continue;
      for (int k = 1; k <= kMostLeadDay && k <= static_cast<int>(v); ++k) {
        const std::optional<CityRecord>& record = records[v - k];
        if (!record) continue;
        const std::optional<double>& forecast =
            e == Element::kMaximum ? record->high[k] : record->low[k];
        if (!forecast) continue;
        const double error = *forecast - *observed;
        scores.city[k][ElementIndex(e)].Add(error);
        for (std::size_t g = 0; g < kScoredGuidance.size(); ++g) {
          if (!ScoredAtCityLeadDay(static_cast<int>(g), k)) continue;
          const std::optional<double> alone =
              GuidanceAlone(days[v], static_cast<int>(g), k, e);
          if (!alone) continue;
          CityScores::Beside& beside = scores.alone[g][k][ElementIndex(e)];
          beside.city.Add(error);
          beside.alone.Add(*alone - *observed);
        }
      }
    }
  }
  return scores;
}
