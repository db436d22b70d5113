#ifndef ORVANNE_PRODUCTS_ARCHIVE_H_
#define ORVANNE_PRODUCTS_ARCHIVE_H_

#include <string>
#include <string_view>
#include <vector>

#include "products/issue_date.h"
#include "products/stations.h"

// The archive of fetched products: one folder a UTC day, "YYYY-MM-DD", each
// product id in "ID.txt" as the service sent it.

// The service's id of one station's product: the product's three letters
// and the station's last three; ProductId("MAV", "KFSD") is "MAVFSD".
std::string ProductId(std::string_view product, std::string_view station);

// The daily climate reports (of kClimateStations).
inline constexpr std::string_view kClimateReportProduct = "CLI";

// The archive's folder: `given` (--archive) when not empty, else
// $ORVANNE_ARCHIVE when set and not empty, else the platform's data folder
// (DataFolder() + "/orvanne-forecast/archive"). False, with `err` saying
// why, when none of them names a folder.
bool ArchiveFolder(const std::string& given, std::string* folder,
                   std::string* err);

// True when the archive folder `folder` (found already) exists; false,
// with `err` "The archive folder DIR does not exist." (or is no folder).
bool ArchiveFolderExists(const std::string& folder, std::string* err);

// The days of the archive's day folders ("YYYY-MM-DD"), oldest first; none
// when the archive cannot be listed.
std::vector<IssueDate> DayFolders(const std::string& archive);

// The folder of one day: "ARCHIVE/YYYY-MM-DD".
std::string DayFolder(const std::string& archive, const IssueDate& day);

// The day a folder of the archive is named for: "YYYY-MM-DD" as
// FormatIsoDate writes it, and nothing else.
bool ParseDayFolderName(std::string_view name, IssueDate* day);

// The file of one product id on one day: "ARCHIVE/YYYY-MM-DD/ID.txt".
std::string ArchivedProduct(const std::string& archive, const IssueDate& day,
                            std::string_view id);

// The files a morning's run (`today`) writes into its day folder, for any
// day: the 1200 Model's bulletin, its report, its picture and the
// forecast's record.
enum class DayFileKind { kBulletin, kReport, kPicture, kRecord };

// "orvanne_1200.txt", ".out", ".svg" or ".json", as the pages link them.
std::string DayFileName(DayFileKind kind);

// "ARCHIVE/YYYY-MM-DD/" and DayFileName(kind).
std::string DayFile(const std::string& archive, const IssueDate& day,
                    DayFileKind kind);

// The folder where the user's program data lives: $XDG_DATA_HOME, else
// $HOME/.local/share (%LOCALAPPDATA% on Windows); empty when unknown.
// One file per platform.
std::string DataFolder();

#endif  // ORVANNE_PRODUCTS_ARCHIVE_H_
