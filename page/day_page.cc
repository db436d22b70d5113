#include "page/day_page.h"

#include "common/console.h"
#include "common/markup.h"
#include "page/forecast_check_section.h"
#include "page/html_parts.h"
#include "products/archive.h"

namespace {

std::string FileLink(DayFileKind kind, const char* text) {
  return "<li><a href=\"" + DayFileName(kind) + "\">" + text + "</a></li>\n";
}

}  // namespace

std::string DayPageHtml(const ForecastRecord& record, const MorningFiles& files,
                        const std::vector<CityObservedDay>& observed) {
  const std::string date = FormatIssueDate(record.issued);
  std::string page =
      PageStart(Fill("Orvanne Forecast, issued {} 1200 UTC", {date}));
  page += "<section class=\"wide\">\n" +
          (files.picture
               ? Picture(record, DayFileName(DayFileKind::kPicture))
               : NoPicture()) +
          "</section>\n<section class=\"wide\">\n" + DayTable(record) +
          RatioParagraph(record) +
          ObservedDaysTable(ObservedDaysOf(record, observed), record.issued) +
          "</section>\n<section>\n<h2>Files of the morning</h2>\n<ul>\n";
  if (files.report) page += FileLink(DayFileKind::kReport, "The report");
  if (files.bulletin) page += FileLink(DayFileKind::kBulletin, "The bulletin");
  page += FileLink(DayFileKind::kRecord, "The record") +
          "<li><a href=\"../index.html\">Back to the latest forecast</a></li>\n"
          "</ul>\n</section>\n";
  return page + PageEnd();
}
