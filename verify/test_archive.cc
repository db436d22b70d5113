#include "verify/test_archive.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "products/archive.h"

namespace {

std::string Transmitted(const std::string& wmo, const std::string& id,
                        const std::string& body) {
  return "\x01\n000 \n" + wmo + "\n" + id + "\n\n" + body + "\x03\n";
}

std::string Field(const std::string& value) {
  return std::string(3 - value.size(), ' ') + value;
}

std::string Field(int value) { return Field(std::to_string(value)); }

const char* const kMonthNames[] = {
    "JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
    "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};

}  // namespace

std::string ClimateReportText(const ClimateReportParts& parts) {
  return "CLIMATE REPORT\n"
         "NATIONAL WEATHER SERVICE SIOUX FALLS SD\n"
         "530 AM CST TUE DEC 8 2026\n\n"
         "...................................\n\n" +
         parts.summaryLine + "\n" + parts.validLine +
         "\n\nCLIMATE NORMAL PERIOD 1991 TO 2020\n"
         "CLIMATE RECORD PERIOD 1893 TO 2026\n\n"
         "WEATHER ITEM   OBSERVED TIME   RECORD YEAR NORMAL DEPARTURE LAST\n"
         "                VALUE   (LST)  VALUE       VALUE  FROM      YEAR\n"
         "...................................................................\n" +
         parts.heading + "\n" + parts.period + "\n" + parts.maximumLine + "\n" +
         parts.minimumLine +
         "\n  AVERAGE         24                      22      2       29\n\n"
         "PRECIPITATION (IN)\n"
         "  YESTERDAY        0.00          0.45 1939   0.02  -0.02     0.00\n\n"
         "THE SIOUX FALLS SD CLIMATE NORMALS FOR TODAY\n"
         "                         NORMAL    RECORD    YEAR\n"
         " MAXIMUM TEMPERATURE (F)   31        58      1939\n"
         " MINIMUM TEMPERATURE (F)   12       -20      1917\n";
}

std::string ClimateProduct(const IssueDate& day, const std::string& maximum,
                           const std::string& minimum, bool partial) {
  ClimateReportParts parts;
  parts.summaryLine =
      std::string("...THE SIOUX FALLS SD CLIMATE SUMMARY FOR ") +
      kMonthNames[day.month - 1] + " " + std::to_string(day.day) + " " +
      std::to_string(day.year) + "...";
  if (partial) {
    parts.validLine = "VALID TODAY AS OF 0500 PM LOCAL TIME";
    parts.period = " TODAY";
  }
  parts.maximumLine =
      "  MAXIMUM      " + Field(maximum) + "    309 PM  61    1939  31";
  parts.minimumLine =
      "  MINIMUM      " + Field(minimum) + "    656 AM -20    1917  12";
  return Transmitted("CDUS43 KFSD 081130", "CLIFSD", ClimateReportText(parts));
}

std::string MavProduct(const std::string& station, const IssueDate& issued,
                       const std::string& cycle, const std::string& first,
                       const std::string& second, const std::string& third,
                       const std::string& fourth) {
  const bool twelve = cycle == "1200";
  const std::string body =
      " " + station + "   GFS MOS GUIDANCE  " + FormatIssueDate(issued) + "  " +
      cycle + " UTC\n" +
      (twelve
           ? " HR   18 21 00 03 06 09 12 15 18 21 00 03 06 09 12 15 18 21 00 03 06\n"
           : " HR   06 09 12 15 18 21 00 03 06 09 12 15 18 21 00 03 06 09 12 15 18\n") +
      (twelve ? " N/X                  " : " X/N                  ") +
      Field(first) + "         " + Field(second) + "         " + Field(third) +
      "         " + Field(fourth) + "\n" +
      " TMP  23 21 19 17 16 15 15 20 25 26 22 19 17 15 14 18 23 24 20 17 15\n";
  return Transmitted("FOUS46 KWNO 081200", "MAV" + station.substr(1),
                     body + "\n");
}

std::string NbsProduct(const std::string& station, const IssueDate& issued,
                       const std::string& minimum, const std::string& maximum,
                       const std::string& minimum2,
                       const std::string& maximum2) {
  std::string txn = " TXN ";
  for (int column = 1; column <= 23; ++column) {
    std::string value;
    if (column == 3) value = "88";  // the maximum of the issue day
    if (column == 7) value = minimum;
    if (column == 11) value = maximum;
    if (column == 15) value = minimum2;
    if (column == 19) value = maximum2;
    txn += Field(value);
  }
  const std::string body =
      " " + station + "    NBM V4.2 NBS GUIDANCE   " + FormatIssueDate(issued) +
      "  1200 UTC\n"
      " UTC  18 21 00 03 06 09 12 15 18 21 00 03 06 09 12 15 18 21 00 03 06 09 12\n"
      " FHR   6  9 12 15 18 21 24 27 30 33 36 39 42 45 48 51 54 57 60 63 66 69 72\n" +
      txn + "\n" +
      " TMP  12 20 11 15 15 17 23 18  9 17 18 13  9 12 15 18 11 13 23  9 23 13 15\n";
  return Transmitted("FOUS16 KWNO 081200", "NBS" + station.substr(1),
                     body + "\n");
}

std::string MexProduct(const std::string& station, const IssueDate& issued,
                       const std::array<int, 15>& xn) {
  std::string row = " X/N " + Field(xn[0]) + "|";
  for (int day = 1; day <= 7; ++day)
    row += Field(xn[2 * day - 1]) + " " + Field(xn[2 * day]) +
           (day < 7 ? "|" : "  15 31");
  const std::string body =
      " " + station + "   GFSX MOS GUIDANCE  " + FormatIssueDate(issued) +
      "  0000 UTC\n"
      " FHR  24| 36  48| 60  72| 84  96|108 120|132 144|156 168|180 192\n"
      " TUE  08| WED 09| THU 10| FRI 11| SAT 12| SUN 13| MON 14|TUE CLIMO\n" +
      row + "\n" +
      " TMP  23| 20  25| 18  24| 16  22| 12  19| 14  23| 19  27| 22  29\n";
  return Transmitted("FEUS23 KWNO 080000", "MEX" + station.substr(1),
                     body + "\n");
}

void AddToArchive(const std::string& archive, const IssueDate& day,
                  const std::string& id, const std::string& text) {
  std::filesystem::create_directories(DayFolder(archive, day));
  std::ofstream out(ArchivedProduct(archive, day, id),
                    std::ios::binary | std::ios::app);
  out << text;
  if (!out) throw std::runtime_error("cannot write the test archive");
}

void WriteKnownErrorsArchive(const std::string& archive) {
  for (int i = 0; i < 10; ++i) {
    const IssueDate day = AddDays({2026, 12, 1}, i);
    const IssueDate issued = AddDays(day, -1);
    for (const std::string station : {"KFSD", "KHON", "KMHE"}) {
      const std::string id = station.substr(1);
      if (day.day != 5) {
        const bool khonMinMissing = day.day == 6 && station == "KHON";
        AddToArchive(archive, AddDays(day, 1), "CLI" + id,
                     ClimateProduct(day, "30", khonMinMissing ? "MM" : "10"));
      }
      AddToArchive(archive, issued, "MAV" + id,
                   MavProduct(station, issued, "0000", "60", "-40") +
                       MavProduct(station, issued, "1200",
                                  station == "KMHE" ? "7" : "8", "32"));
      const bool nbmMaxMissing = day.day == 3 && station == "KFSD";
      AddToArchive(archive, issued, "NBS" + id,
                   NbsProduct(station, issued, "11",
                              nbmMaxMissing       ? "-99"
                              : station == "KHON" ? "29"
                                                  : "31"));
    }
  }
  AddToArchive(archive, {2026, 12, 1}, "CLIFSD",
               ClimateProduct({2026, 12, 1}, "50", "40", true));
}

namespace {

// The forecasts issued on `issued` at `station`, their errors as
// WriteLeadDayArchive says.
void AddLeadDayForecasts(const std::string& archive, const IssueDate& issued,
                         const std::string& station) {
  const std::string id = station.substr(1);
  const bool varying = station == "KFSD" && issued == IssueDate{2026, 12, 9};
  AddToArchive(archive, issued, "MAV" + id,
               MavProduct(station, issued, "1200", "19", varying ? "47" : "42",
                          "18", "43"));
  AddToArchive(archive, issued, "NBS" + id,
               NbsProduct(station, issued, "21", "39", "21", "38"));
  std::array<int, 15> xn{};
  xn[0] = 50;
  for (int day = 1; day <= 7; ++day) {
    xn[2 * day - 1] = 20 - day;
    xn[2 * day] = 40 + day;
  }
  AddToArchive(archive, issued, "MEX" + id, MexProduct(station, issued, xn));
}

}  // namespace

void WriteLeadDayArchive(const std::string& archive) {
  const IssueDate first{2026, 11, 1};
  for (int i = -1; i < 40; ++i) {
    const IssueDate day = AddDays(first, i);
    for (const std::string station : {"KFSD", "KHON", "KMHE"}) {
      if (i >= 0)
        AddToArchive(archive, AddDays(day, 1), "CLI" + station.substr(1),
                     ClimateProduct(day, "40", "20"));
      if (i < 39) AddLeadDayForecasts(archive, day, station);
    }
  }
}
