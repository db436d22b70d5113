#include "products/archive.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/text.h"

std::string ProductId(std::string_view product, std::string_view station) {
  return std::string(product) + std::string(station.substr(1));
}

bool ArchiveFolderExists(const std::string& folder, std::string* err) {
  std::error_code error;
  const auto status = std::filesystem::status(folder, error);
  if (std::filesystem::is_directory(status)) return true;
  *err = std::filesystem::exists(status)
             ? Fill("The archive folder {} is not a folder.", {folder})
             : Fill("The archive folder {} does not exist.", {folder});
  return false;
}

std::vector<IssueDate> DayFolders(const std::string& archive) {
  std::vector<IssueDate> days;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(archive, error), end;
       !error && entry != end; entry.increment(error)) {
    IssueDate day;
    if (ParseDayFolderName(entry->path().filename().string(), &day))
      days.push_back(day);
  }
  std::sort(days.begin(), days.end());
  return days;
}

std::string DayFolder(const std::string& archive, const IssueDate& day) {
  return archive + "/" + FormatIsoDate(day);
}

bool ParseDayFolderName(std::string_view name, IssueDate* day) {
  if (name.size() != 10 || name[4] != '-' || name[7] != '-') return false;
  const std::string asIssued = std::string(name.substr(5, 2)) + "/" +
                               std::string(name.substr(8, 2)) + "/" +
                               std::string(name.substr(0, 4));
  return ParseIssueDate(asIssued, day) && FormatIsoDate(*day) == name;
}

std::string ArchivedProduct(const std::string& archive, const IssueDate& day,
                            std::string_view id) {
  return DayFolder(archive, day) + "/" + std::string(id) + ".txt";
}

std::string DayFileName(DayFileKind kind) {
  constexpr std::string_view kEndings[] = {".txt", ".out", ".svg", ".json"};
  return "orvanne_1200" + std::string(kEndings[static_cast<int>(kind)]);
}

std::string DayFile(const std::string& archive, const IssueDate& day,
                      DayFileKind kind) {
  return DayFolder(archive, day) + "/" + DayFileName(kind);
}

bool ArchiveFolder(const std::string& given, std::string* folder,
                   std::string* err) {
  if (!given.empty()) {
    *folder = given;
    return true;
  }
  const char* fromEnvironment = std::getenv("ORVANNE_ARCHIVE");
  if (fromEnvironment && *fromEnvironment) {
    *folder = fromEnvironment;
    return true;
  }
  const std::string data = DataFolder();
  if (data.empty()) {
    *err = "no folder for the archive is known; name one with --archive";
    return false;
  }
  *folder = data + "/orvanne-forecast/archive";
  return true;
}
