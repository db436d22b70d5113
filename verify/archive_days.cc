#include "verify/archive_days.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <string_view>
#include <system_error>

namespace {

// The archive's day folders from `first` on, oldest first. A report for a
// day is issued on that day or after it.
std::vector<IssueDate> FoldersFrom(const std::string& archive,
                                   const IssueDate& first) {
  std::vector<IssueDate> folders = DayFolders(archive);
  folders.erase(folders.begin(),
                std::lower_bound(folders.begin(), folders.end(), first));
  return folders;
}

void ReadObservations(const std::string& archive,
                      const std::vector<IssueDate>& folders,
                      const IssueDate& first, std::vector<ArchiveDay>* days) {
  std::map<IssueDate, std::size_t> dayIndex;
  for (std::size_t i = 0; i < days->size(); ++i)
    dayIndex[AddDays(first, static_cast<int>(i))] = i;
  for (const IssueDate& folder : folders) {
    if (folder < first) continue;
    for (std::string_view station : kClimateStations) {
      const int s = BulletinStationIndex(station);
      const std::string id = ProductId(kClimateReportProduct, station);
      ReadClimateFile(ArchivedProduct(archive, folder, id),
                      [&](const ClimateSummary& summary) {
                        const auto day = dayIndex.find(summary.day);
                        if (day != dayIndex.end())
                          (*days)[day->second][s].observed = summary;
                      });
    }
  }
}

// Files the forecasts issued on `issued`, `offset` days after the first
// day (negative for days before it), under the days they are for.
void ReadIssueDay(const std::string& archive, const IssueDate& issued,
                  int offset, std::vector<ArchiveDay>* days) {
  const int count = static_cast<int>(days->size());
  for (std::size_t g = 0; g < kScoredGuidance.size(); ++g) {
    const ScoredGuidance& scored = kScoredGuidance[g];
    if (offset + 1 >= count || offset + scored.lastLeadDay < 0) continue;
    for (std::size_t s = 0; s < kBulletinStations.size(); ++s) {
      const std::string_view station = kBulletinStations[s];
      const std::string id =
          ProductId(FactsOf(scored.guidance).serviceProduct, station);
      const LeadForecasts read =
          ReadArchivedForecast(ArchivedProduct(archive, issued, id),
                               scored.guidance, station, issued);
      for (int k = 1; k <= scored.lastLeadDay; ++k) {
        const int valid = offset + k;
        if (valid >= 0 && valid < count)
          (*days)[valid][s].forecast[g].days[k] = read.days[k];
      }
    }
  }
}

}  // namespace

int BulletinStationIndex(std::string_view station) {
  for (std::size_t s = 0; s < kBulletinStations.size(); ++s)
    if (kBulletinStations[s] == station) return static_cast<int>(s);
  return -1;
}

std::vector<ArchiveDay> ReadArchiveDays(const std::string& archive,
                                        const IssueDate& first, int count) {
  std::vector<ArchiveDay> days(static_cast<std::size_t>(count));
  const IssueDate earliest = AddDays(first, -kMostLeadDay);
  const std::vector<IssueDate> folders = FoldersFrom(archive, earliest);
  ReadObservations(archive, folders, first, &days);
  // Only the folders there are: a year's window reaches as far again back.
  std::size_t next = 0;
  for (int offset = -kMostLeadDay; offset < count - 1; ++offset) {
    const IssueDate issued = AddDays(first, offset);
    while (next < folders.size() && folders[next] < issued) ++next;
    if (next < folders.size() && folders[next] == issued)
      ReadIssueDay(archive, issued, offset, &days);
  }
  return days;
}
