#include "page/day_page.h"

#include "common/console.h"
#include "common/markup.h"
#include "page/forecast_check_section.h"
#include "page/html_parts.h"
#include "products/archive.h"

namespace {

std::string FileLink(TodayFileKind kind, const char* text) {
  return "<li><a href=\"" + TodayFileName(kind) + "\">" + text + "</a></li>\n";
}

}  // namespace

std::string DayPageHtml(const ForecastRecord& record, const MorningFiles& files,
                        const std::vector<CityObservedDay>& observed) {
  const std::string date = FormatIssueDate(record.issued);
  std::string page =
      PageStart(Fill("Orvanne Forecast, issued {} 1200 UTC", {date}));
  page += "<section class=\"wide\">\n" +
          (files.picture
               ? Picture(record, TodayFileName(TodayFileKind::kPicture))
               : NoPicture()) +
          "</section>\n<section class=\"wide\">\n" + DayTable(record) +
          RatioParagraph(record) +
          ObservedDaysTable(ObservedDaysOf(record, observed), record.issued) +
          "</section>\n<section>\n<h2>Files of the morning</h2>\n<ul>\n";
  if (files.report) page += FileLink(TodayFileKind::kReport, "The report");
  if (files.bulletin) page += FileLink(TodayFileKind::kBulletin, "The bulletin");
  page += FileLink(TodayFileKind::kRecord, "The record") +
          "<li><a href=\"../index.html\">Back to the latest forecast</a></li>\n"
          "</ul>\n</section>\n";
  return page + PageEnd();
}
