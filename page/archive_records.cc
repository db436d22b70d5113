#include "page/archive_records.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "products/archive.h"

std::string RecordPath(const std::string& archive, const IssueDate& day) {
  return DayFile(archive, day, DayFileKind::kRecord);
}

MorningFiles FilesOf(const std::string& archive, const IssueDate& day) {
  std::error_code error;
  auto there = [&](DayFileKind kind) {
    return std::filesystem::is_regular_file(DayFile(archive, day, kind),
                                            error);
  };
  return {there(DayFileKind::kBulletin), there(DayFileKind::kReport),
          there(DayFileKind::kPicture)};
}

std::vector<IssueDate> RecordDays(const std::string& archive) {
  std::vector<IssueDate> days;
  std::error_code error;
  for (const IssueDate& day : DayFolders(archive))
    if (std::filesystem::exists(RecordPath(archive, day), error))
      days.push_back(day);
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
