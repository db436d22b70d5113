#include "page/day_page.h"

#include "common/console.h"
#include "page/html_parts.h"
#include "products/archive.h"

std::string DayPageHtml(const ForecastRecord& record) {
  const std::string date = FormatIssueDate(record.issued);
  std::string page =
      PageStart(Fill("Orvanne Forecast, issued {} 1200 UTC", {date}));
  page += "<section class=\"wide\">\n" + Picture(record, DayFileName(DayFileKind::kPicture)) +
          "</section>\n<section>\n" + DayTable(record) +
          RatioParagraph(record) +
          "</section>\n<section>\n<h2>Files of the morning</h2>\n<ul>\n"
          "<li><a href=\"orvanne_1200.out\">The report</a></li>\n"
          "<li><a href=\"orvanne_1200.txt\">The bulletin</a></li>\n"
          "<li><a href=\"orvanne_1200.json\">The record</a></li>\n"
          "<li><a href=\"../index.html\">Back to the latest forecast</a></li>\n"
          "</ul>\n</section>\n";
  return page + PageEnd();
}
