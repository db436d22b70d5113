#include "page/archive_records.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "products/archive.h"

std::string RecordPath(const std::string& archive, const IssueDate& day) {
  return TodayFile(archive, day, TodayFileKind::kRecord);
}

std::vector<IssueDate> RecordDays(const std::string& archive) {
  std::vector<IssueDate> days;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(archive, error), end;
       !error && entry != end; entry.increment(error)) {
    IssueDate day;
    if (ParseDayFolderName(entry->path().filename().string(), &day) &&
        std::filesystem::exists(RecordPath(archive, day), error))
      days.push_back(day);
  }
  std::sort(days.begin(), days.end());
  return days;
}

std::vector<ForecastRecord> ReadArchiveRecords(
    const std::string& archive, std::vector<std::string>* warnings) {
  std::vector<ForecastRecord> records;
  for (const IssueDate& day : RecordDays(archive)) {
    ForecastRecord record;
    std::string err;
    const std::string path = RecordPath(archive, day);
    if (ReadMorningRecord(path, day, &record, &err))
      records.push_back(record);
    else
      warnings->push_back(err);
  }
  return records;
}
