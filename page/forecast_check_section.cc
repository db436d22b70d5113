#include "page/forecast_check_section.h"

#include <cmath>

#include "common/console.h"
#include "common/markup.h"
#include "page/charts.h"
#include "page/html_parts.h"

namespace {

const char* ElementWord(Element element) {
  return element == Element::kMaximum ? "max" : "min";
}

std::string ForecastCell(const IssueDate& day, Element element, int lead,
                         double value) {
  return "<td data-valid=\"" + FormatIsoDate(day) + "\" data-element=\"" +
         ElementWord(element) + "\" data-lead=\"" + std::to_string(lead) +
         "\">" + Whole(value) + "</td>";
}

std::string ObservedCell(const IssueDate& day, Element element,
                         const std::optional<double>& value) {
  if (!value) return "<td></td>";
  return "<td data-valid=\"" + FormatIsoDate(day) + "\" data-element=\"" +
         ElementWord(element) + "\" data-observed>" + Whole(*value) + "</td>";
}

// "+2", "-1", "0": forecast less observed, rounded once.
std::string ErrorText(double forecast, double observed) {
  const long error = std::lround(forecast - observed);
  // Appended, not prefixed: a sign put in front of a string trips a false
  // overlap warning of some compilers.
  std::string text = error > 0 ? "+" : "";
  text += std::to_string(error);
  return text;
}

}  // namespace

std::string ForecastCheckSection(const std::vector<CheckedDay>& days) {
  std::string section = "<section class=\"wide\">\n<h2>How the forecasts did</h2>\n";
  if (days.empty())
    return section +
           "<p>No day before the latest morning is observed in the archive yet.</p>\n</section>\n";
  section +=
      "<p>" +
      EscapeXml(Fill(
          "The last {} observed days: what each morning forecast for the day, 7 to 1 days before, beside what was observed. The city's observation is the climate reports' maximum and minimum of KFSD, KHON and KMHE, weighted as the 1200 Model weighs the stations; \u00b0F.",
          {std::to_string(days.size())})) +
      "</p>\n";
  std::string table =
      "<table>\n<caption>Forecast and observed highs and lows, \u00b0F</caption>\n"
      "<thead><tr><th scope=\"col\">Day</th><th scope=\"col\"></th>";
  for (int k = kForecastDays; k >= 1; --k)
    table += "<th scope=\"col\">" +
             EscapeXml(Fill("Lead {}", {std::to_string(k)})) + "</th>";
  table += "<th scope=\"col\">Observed</th></tr></thead>\n<tbody>\n";
  for (const CheckedDay& day : days) {
    for (Element element : kElements) {
      const CheckedElement& values = day.Of(element);
      table += "<tr><th scope=\"row\">" + EscapeXml(DayName(day.day)) +
               "</th><th scope=\"row\">" +
               (element == Element::kMaximum ? "High" : "Low") + "</th>";
      for (int k = kForecastDays; k >= 1; --k)
        table += values.byLead[k]
                     ? ForecastCell(day.day, element, k, *values.byLead[k])
                     : "<td></td>";
      table += ObservedCell(day.day, element, values.observed) + "</tr>\n";
    }
  }
  section += Scrolling(table + "</tbody>\n</table>\n");
  section += "<div class=\"charts\">\n" +
             ForecastsChart(days, Element::kMaximum) +
             ForecastsChart(days, Element::kMinimum) + "</div>\n";
  return section + "</section>\n";
}

std::string ObservedDaysTable(const std::vector<CheckedDay>& days,
                              const IssueDate& issued) {
  if (days.empty()) return "";
  std::string table =
      "<table>\n<caption>" +
      EscapeXml(
          "The days observed since, \u00b0F: this morning's forecast, the city's observation and the error (forecast less observed)") +
      "</caption>\n<thead><tr><th scope=\"col\">Day</th><th scope=\"col\">Lead</th>"
      "<th scope=\"col\">High</th><th scope=\"col\">Observed high</th><th scope=\"col\">Error</th>"
      "<th scope=\"col\">Low</th><th scope=\"col\">Observed low</th><th scope=\"col\">Error</th>"
      "</tr></thead>\n<tbody>\n";
  for (const CheckedDay& day : days) {
    // The day's lead from this morning.
    int k = 1;
    while (k < kForecastDays && AddDays(issued, k) != day.day) ++k;
    table += "<tr><th scope=\"row\">" + EscapeXml(DayName(day.day)) +
             "</th><td>" + std::to_string(k) + "</td>";
    for (Element element : kElements) {
      const CheckedElement& values = day.Of(element);
      table += values.byLead[k]
                   ? ForecastCell(day.day, element, k, *values.byLead[k])
                   : "<td></td>";
      table += ObservedCell(day.day, element, values.observed);
      table += values.byLead[k] && values.observed
                   ? "<td>" + ErrorText(*values.byLead[k], *values.observed) +
                         "</td>"
                   : "<td></td>";
    }
    table += "</tr>\n";
  }
  return "<h2>What was observed</h2>\n" +
         Scrolling(table + "</tbody>\n</table>\n");
}
