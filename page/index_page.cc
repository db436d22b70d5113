#include "page/index_page.h"

#include "common/console.h"
#include "page/forecast_check_section.h"
#include "page/html_parts.h"
#include "products/archive.h"
#include "page/verification_section.h"
#include "common/markup.h"

namespace {

std::string LatestSection(const ForecastRecord& latest,
                          const MorningFiles& files) {
  const std::string folder = FormatIsoDate(latest.issued);
  return "<section class=\"wide\">\n<h2>" +
         EscapeXml(Fill("The latest forecast, issued {} 1200 UTC",
                        {FormatIssueDate(latest.issued)})) +
         "</h2>\n" +
         (files.picture
              ? Picture(latest,
                        folder + "/" + DayFileName(DayFileKind::kPicture))
              : NoPicture()) +
         "</section>\n<section class=\"wide\">\n" + DayTable(latest) + RatioParagraph(latest) +
         "<p><a href=\"" + folder + "/index.html\">" +
         EscapeXml(Fill("The page of {}", {DayName(latest.issued)})) +
         "</a></p>\n</section>\n";
}

constexpr const char* kMonthNames[] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Every archived morning, newest first, a heading and a row of days for
// each month.
std::string ArchiveList(const std::vector<ForecastRecord>& records) {
  std::string list = "<section class=\"wide\">\n<h2>Archived mornings</h2>\n";
  int month = 0, year = 0;
  for (auto record = records.rbegin(); record != records.rend(); ++record) {
    const IssueDate& day = record->issued;
    if (day.month != month || day.year != year) {
      if (month != 0) list += "</ul>\n";
      month = day.month;
      year = day.year;
      list += "<h3>" +
              EscapeXml(Fill("{} {}", {kMonthNames[month - 1],
                                       std::to_string(year)})) +
              "</h3>\n<ul class=\"days\">\n";
    }
    list += "<li><a href=\"" + FormatIsoDate(day) + "/index.html\">" +
            EscapeXml(DayName(day)) + "</a></li>\n";
  }
  return list + "</ul>\n</section>\n";
}

std::string ShortDate(const IssueDate& day) {
  return std::to_string(day.month) + "/" + (day.day < 10 ? "0" : "") +
         std::to_string(day.day);
}

}  // namespace

std::string TrendTable(const Trend& trend, UnitSystem units) {
  std::string table =
      "<table>\n<caption>" +
      EscapeXml(
          Fill("High / low {} forecast for each day by the mornings before it",
               {DegreeSign(units)})) +
      "</caption>\n<thead><tr><th scope=\"col\">Day</th>";
  for (const IssueDate& morning : trend.mornings)
    table += "<th scope=\"col\">" +
             EscapeXml(Fill("issued {}", {ShortDate(morning)})) + "</th>";
  table += "</tr></thead>\n<tbody>\n";
  for (int d = 0; d < kForecastDays; ++d) {
    table +=
        "<tr><th scope=\"row\">" + EscapeXml(DayName(trend.days[d])) + "</th>";
    for (const TrendCell& cell : trend.cells[d]) {
      table += cell.forecast ? "<td>" + Whole(cell.high) + " / " +
                                   Whole(cell.low) + "</td>"
                             : "<td></td>";
    }
    table += "</tr>\n";
  }
  return Scrolling(table + "</tbody>\n</table>\n");
}

std::string IndexHtml(const std::vector<ForecastRecord>& records,
                      const MorningFiles& latestFiles,
                      const Verification* verification) {
  std::string page = PageStart("Orvanne Forecast");
  if (records.empty()) {
    page +=
        "<section class=\"wide\">\n<p>No forecast is recorded in the archive yet.</p>\n</section>\n";
  } else {
    const ForecastRecord& latest = records.back();
    page += LatestSection(latest, latestFiles);
    page += "<section class=\"wide\">\n<h2>The trend</h2>\n" +
            TrendTable(ArrangeTrend(records), latest.units) + "</section>\n";
    page += ForecastCheckSection(LastObservedDays(
        records,
        verification ? verification->cityObserved
                     : std::vector<CityObservedDay>{},
        latest.issued));
  }
  page += VerificationSection(verification);
  if (!records.empty()) page += ArchiveList(records);
  return page + PageEnd();
}
