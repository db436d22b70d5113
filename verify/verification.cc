#include "verify/verification.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "common/console.h"
#include "products/archive.h"
#include "products/block_header.h"
#include "verify/climate_report.h"
#include "verify/forecast_values.h"

namespace {

// Each verified day's observations, by day and station.
using Observations = std::vector<
    std::array<std::optional<ClimateSummary>, kClimateStations.size()>>;

// The day an archive folder is named for: "YYYY-MM-DD", as FormatIsoDate
// writes it, and nothing else.
bool FolderDate(const std::string& name, IssueDate* date) {
  if (name.size() != 10 || name[4] != '-' || name[7] != '-') return false;
  const std::string asIssued =
      name.substr(5, 2) + "/" + name.substr(8, 2) + "/" + name.substr(0, 4);
  return ParseIssueDate(asIssued, date) && FormatIsoDate(*date) == name;
}

// The archive's day folders from `first` on, oldest first. A report for a
// day is issued on that day or after it.
std::vector<IssueDate> FoldersFrom(const std::string& archive,
                                   const IssueDate& first) {
  std::vector<IssueDate> folders;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(archive, error), end;
       !error && entry != end; entry.increment(error)) {
    IssueDate date;
    if (FolderDate(entry->path().filename().string(), &date) && date >= first)
      folders.push_back(date);
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

Observations ReadObservations(const std::string& archive,
                              const IssueDate& first, int days) {
  std::map<IssueDate, int> dayIndex;
  for (int i = 0; i < days; ++i) dayIndex[AddDays(first, i)] = i;
  Observations observations(days);
  for (const IssueDate& folder : FoldersFrom(archive, first)) {
    for (std::size_t s = 0; s < kClimateStations.size(); ++s) {
      const std::string id =
          ProductId(kClimateReportProduct, kClimateStations[s]);
      ReadClimateFile(ArchivedProduct(archive, folder, id),
                      [&](const ClimateSummary& summary) {
                        const auto day = dayIndex.find(summary.day);
                        if (day != dayIndex.end())
                          observations[day->second][s] = summary;
                      });
    }
  }
  return observations;
}

// The forecast of `guidance` issued on `issued` for `station`, from its
// archived product.
ForecastValues ArchivedForecast(const std::string& archive,
                                const IssueDate& issued, Guidance guidance,
                                std::string_view station) {
  const std::string id = ProductId(FactsOf(guidance).serviceProduct, station);
  return ReadArchivedForecast(ArchivedProduct(archive, issued, id), guidance,
                              station, issued);
}

// Adds the pairs of forecast and observed value that both have; returns
// how many.
int AddPairs(const ForecastValues& forecast, const ClimateSummary& observed,
             GuidanceScores& scores) {
  int pairs = 0;
  if (forecast.maximum && observed.maximum) {
    scores.maximum.Add(*forecast.maximum, *observed.maximum);
    ++pairs;
  }
  if (forecast.minimum && observed.minimum) {
    scores.minimum.Add(*forecast.minimum, *observed.minimum);
    ++pairs;
  }
  return pairs;
}

// Scores one day; true when both guidance had a pair on it.
bool VerifyDay(const std::string& archive, const IssueDate& day,
               const Observations::value_type& observed, Verification* result) {
  const IssueDate issued = AddDays(day, -1);
  int gfsPairs = 0;
  int nbmPairs = 0;
  for (std::size_t s = 0; s < kClimateStations.size(); ++s) {
    if (!observed[s]) continue;
    gfsPairs += AddPairs(
        ArchivedForecast(archive, issued, Guidance::kGfs, kClimateStations[s]),
        *observed[s], result->gfs);
    nbmPairs += AddPairs(
        ArchivedForecast(archive, issued, Guidance::kNbm, kClimateStations[s]),
        *observed[s], result->nbm);
  }
  return gfsPairs > 0 && nbmPairs > 0;
}

}  // namespace

bool VerifyGuidance(const std::string& archive, const IssueDate& until,
                    int days, Verification* result, std::string* err) {
  *result = Verification();
  result->first = AddDays(until, 1 - days);
  result->last = until;
  result->days = days;
  const Observations observations =
      ReadObservations(archive, result->first, days);
  for (int i = 0; i < days; ++i)
    if (VerifyDay(archive, AddDays(result->first, i), observations[i], result))
      ++result->verifiedDays;
  if (result->verifiedDays < kLeastVerifiedDays) {
    const std::string first = FormatIssueDate(result->first);
    const std::string last = FormatIssueDate(result->last);
    *err =
        result->verifiedDays == 1
            ? Fill(
                  "only 1 day could be verified between {} and {}; {} are needed",
                  {first, last, std::to_string(kLeastVerifiedDays)})
            : Fill(
                  "only {} days could be verified between {} and {}; {} are needed",
                  {std::to_string(result->verifiedDays), first, last,
                   std::to_string(kLeastVerifiedDays)});
    return false;
  }
  result->ratioHundredths = SuggestedRatioHundredths(result->gfs, result->nbm);
  return true;
}
