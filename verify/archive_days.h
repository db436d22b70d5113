#ifndef ORVANNE_VERIFY_ARCHIVE_DAYS_H_
#define ORVANNE_VERIFY_ARCHIVE_DAYS_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "products/archive.h"
#include "products/guidance.h"
#include "products/issue_date.h"
#include "products/stations.h"
#include "verify/climate_report.h"
#include "verify/forecast_values.h"

// What the archive holds about each day at the climate stations: the
// observed values and every scored guidance's forecasts for the day, by
// lead day. Each archived file is read once.

// A guidance verification scores, and its last lead day scored.
struct ScoredGuidance {
  Guidance guidance;
  int lastLeadDay;
};

// In the order the tables show them; the index into every per-guidance
// array of verification.
inline constexpr int kScoredGfs = 0;
inline constexpr int kScoredNbm = 1;
inline constexpr int kScoredGfsx = 2;
inline constexpr std::array<ScoredGuidance, 3> kScoredGuidance{{
    {Guidance::kGfs, 2},
    {Guidance::kNbm, 2},
    {Guidance::kGfsx, kMostLeadDay},
}};

// One day at one station. `forecast[g].days[k]`: the forecast of scored
// guidance g issued k days before the day (index 0 stays empty).
struct StationDay {
  std::optional<ClimateSummary> observed;  // never at KBKX
  std::array<LeadForecasts, kScoredGuidance.size()> forecast;
};

// The four bulletin stations in kBulletinStations' order, so the blend's
// station weights apply as they stand; only the climate stations observe.
using ArchiveDay = std::array<StationDay, kStationCount>;

// The index of `station` ("KFSD") in kBulletinStations.
int BulletinStationIndex(std::string_view station);

// The `count` days from `first` on. Observed: the climate station's complete
// climate report for the day found in any of the archive's day folders from
// `first` on (of two, the later folder's, and in one file the later
// product). Forecasts, at all four stations: the station block of each
// scored guidance at its table cycle in the day folder of its issue date.
std::vector<ArchiveDay> ReadArchiveDays(const std::string& archive,
                                        const IssueDate& first, int count);

#endif  // ORVANNE_VERIFY_ARCHIVE_DAYS_H_
