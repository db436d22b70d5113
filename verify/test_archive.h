#ifndef ORVANNE_VERIFY_TEST_ARCHIVE_H_
#define ORVANNE_VERIFY_TEST_ARCHIVE_H_

// Builds archived products for the tests, in the product service's form:
// each product between a line holding only 0x01 and one holding only 0x03,
// its header lines, then the station block or the report.

#include <array>
#include <string>

#include "products/issue_date.h"

// The parts of a daily climate report that change from office to office;
// the rest is a report as one office writes it, with the normals table
// (whose lines also start with MAXIMUM and MINIMUM) at its end.
struct ClimateReportParts {
  std::string summaryLine =
      "...THE SIOUX FALLS SD CLIMATE SUMMARY FOR DECEMBER 7 2026...";
  std::string validLine;  // e.g. "VALID TODAY AS OF 0500 PM LOCAL TIME"
  std::string heading = "TEMPERATURE (F)";
  std::string period = " YESTERDAY";
  std::string maximumLine =
      "  MAXIMUM         35    309 PM  61    1939  31      4       38";
  std::string minimumLine =
      "  MINIMUM         12    656 AM -20    1917  12      0       20";
};

// The report's text, lines ended by "\n", without the transmission lines.
std::string ClimateReportText(const ClimateReportParts& parts);

// A complete report for `day` ("MM" for a missing value);
// `partial`: the same day's "TODAY" report instead.
std::string ClimateProduct(const IssueDate& day, const std::string& maximum,
                           const std::string& minimum, bool partial = false);

// A GFS MOS product of `station` ("KFSD") issued on `issued` at `cycle`
// ("1200" or "0000"), whose temperature row ("N/X" at 1200, "X/N" at 0000)
// holds `first`, `second`, `third` and `fourth` ("" for none).
std::string MavProduct(const std::string& station, const IssueDate& issued,
                       const std::string& cycle, const std::string& first,
                       const std::string& second,
                       const std::string& third = "12",
                       const std::string& fourth = "25");

// A blend of models' text product of `station` issued on `issued` at 1200,
// its TXN row holding `minimum` at column 7, `maximum` at column 11 and
// day 2's at columns 15 and 19 (three characters each, "" for blank),
// other values beside them.
std::string NbsProduct(const std::string& station, const IssueDate& issued,
                       const std::string& minimum, const std::string& maximum,
                       const std::string& minimum2 = "14",
                       const std::string& maximum2 = "");

// A GFSX MOS product of `station` issued on `issued` at 0000, its X/N row
// holding `xn` under forecast hours 24 to 192 (day 0's maximum, then the
// minimum and maximum of days 1 to 7), climatology after them.
std::string MexProduct(const std::string& station, const IssueDate& issued,
                       const std::array<int, 15>& xn);

// Adds `text` to the end of ARCHIVE/YYYY-MM-DD/ID.txt, creating the folder.
void AddToArchive(const std::string& archive, const IssueDate& day,
                  const std::string& id, const std::string& text);

// December 1 to 10 2026 at the three stations. Observed: 30 and 10 every
// day, in the folder of the day after; December 5 has no report; KHON's
// minimum of December 6 is "MM"; the partial TODAY report of December 1 (50
// and 40) is not used. Forecasts, in the folder of the day before: GFS 32
// and 8, but 7 at KMHE; NBM 31 (29 at KHON) and 11, KFSD's maximum of
// December 3 "-99". A 0000 cycle GFS block with other values stands before
// each 1200 one.
void WriteKnownErrorsArchive(const std::string& archive);

// November 1 to December 10 2026 at the three stations, all three guidance.
// Observed: 40 and 20 every day, in the folder of the day after. Errors of
// the forecasts, issued from October 31 on: GFS day 1 -1 (minimum) and +2
// (maximum), day 2 -2 and +3; NBM day 1 +1 and -1, day 2 +1 and -2; GFSX
// day k -k and +k. One varying value: KFSD's GFS day-1 maximum for
// December 10 is 47 (+7).
void WriteLeadDayArchive(const std::string& archive);

#endif  // ORVANNE_VERIFY_TEST_ARCHIVE_H_
