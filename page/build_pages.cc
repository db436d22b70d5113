#include "page/build_pages.h"

#include "common/console.h"
#include "common/read_file.h"
#include "common/replace_file.h"
#include "page/archive_records.h"
#include "page/day_page.h"
#include "page/index_page.h"
#include "products/archive.h"

namespace {

// True when `path` holds `text` already.
bool Holds(const std::string& path, const std::string& text) {
  std::string held;
  return ReadWholeFile(path, &held) && held == text;
}

bool WritePage(const std::string& path, const std::string& text,
               std::string* err) {
  std::string reason;
  // A page is made again from the records by any later `page`: written
  // whole, but not waited on to reach the disk.
  if (Holds(path, text) ||
      ReplaceFileWith(path, text, &reason, Durability::kRebuildable))
    return true;
  *err = Fill("The page {} could not be written ({}).", {path, reason});
  return false;
}

}  // namespace

bool BuildPages(const std::string& archive, const Verification* verification,
                std::vector<std::string>* warnings, std::string* err) {
  const std::vector<ForecastRecord> records =
      ReadArchiveRecords(archive, warnings);
  const std::vector<CityObservedDay> none;
  const std::vector<CityObservedDay>& observed =
      verification ? verification->cityObserved : none;
  MorningFiles files;
  for (const ForecastRecord& record : records) {
    files = FilesOf(archive, record.issued);
    if (!WritePage(DayFolder(archive, record.issued) + "/index.html",
                   DayPageHtml(record, files, observed), err))
      return false;
  }
  // `files` holds the latest's after the loop.
  return WritePage(archive + "/index.html",
                   IndexHtml(records, files, verification), err);
}
