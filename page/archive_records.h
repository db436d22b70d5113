#ifndef ORVANNE_PAGE_ARCHIVE_RECORDS_H_
#define ORVANNE_PAGE_ARCHIVE_RECORDS_H_

#include <string>
#include <vector>

#include "record/forecast_record.h"

// The archive's records, each read once.

// The record of `day`'s folder: "ARCHIVE/YYYY-MM-DD/orvanne_1200.json".
std::string RecordPath(const std::string& archive, const IssueDate& day);

// Which of a morning's files beside its record are in its day folder, so a
// page links only what is there.
struct MorningFiles {
  bool bulletin = false;
  bool report = false;
  bool picture = false;
};
MorningFiles FilesOf(const std::string& archive, const IssueDate& day);

// The days whose folders hold a record, oldest first; nothing is read.
std::vector<IssueDate> RecordDays(const std::string& archive);

// The records of the archive's day folders ("YYYY-MM-DD" holding
// orvanne_1200.json), oldest first. A record that cannot be read, or is
// for another day than its folder's, is left out and named on one line in
// `warnings`.
std::vector<ForecastRecord> ReadArchiveRecords(
    const std::string& archive, std::vector<std::string>* warnings);

#endif  // ORVANNE_PAGE_ARCHIVE_RECORDS_H_
