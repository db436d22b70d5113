#include "page/html_parts.h"

#include <cmath>

#include "blend/day_hours.h"
#include "common/console.h"
#include "common/markup.h"
#include "products/local_time.h"

namespace {

constexpr std::string_view kStyle =
    "body{font-family:sans-serif;color:#212121;background:#fff;margin:0 auto;"
    "max-width:1120px;padding:0 1em;line-height:1.4}"
    "main{display:grid;grid-template-columns:minmax(0,1fr) minmax(0,1fr);"
    "gap:0 2em}section{min-width:0}.wide{grid-column:1/-1}"
    ".scroll{overflow-x:auto;max-width:100%}"
    "img,svg{max-width:100%;height:auto;display:block}"
    "ul.days{display:flex;flex-wrap:wrap;gap:.2em 1em;list-style:none;"
    "padding:0;margin:.2em 0 .6em}h3{font-size:1em;margin:.6em 0 0}"
    ".charts{display:flex;flex-wrap:wrap;gap:1em}.charts svg{flex:0 1 520px}"
    "table{border-collapse:collapse;margin:.5em 0}"
    "caption{text-align:left;font-weight:bold;padding:.25em 0}"
    "th,td{border:1px solid #bdbdbd;padding:.2em .5em;text-align:right}"
    "th[scope=row]{text-align:left;white-space:nowrap}"
    "thead th{background:#eeeeee}"
    "@media (max-width:700px){main{grid-template-columns:minmax(0,1fr)}"
    "body{font-size:14px;padding:0 .5em}th,td{padding:.15em .3em}}"
    "@media print{main{grid-template-columns:1fr}a{color:inherit}"
    "section{break-inside:avoid}}";

std::string Cell(std::string_view text) {
  return "<td>" + EscapeXml(text) + "</td>";
}

std::string Percent(double value) { return Whole(value) + "%"; }

// "18–06 CST" from "18 CST" and "06 CST"; both whole when their zones
// differ or either names two.
std::string HoursSpan(const std::string& start, const std::string& end) {
  const std::size_t cut = start.find(' ');
  if (start.find('/') == std::string::npos &&
      end.find('/') == std::string::npos && cut != std::string::npos &&
      start.substr(cut) == end.substr(end.find(' ')))
    return start.substr(0, cut) + "–" + end;
  return start + "–" + end;
}

// The local hours of the 12 hours from `startUtc` on days `first` to `last`
// of the record.
std::string TwelveHours(const ForecastRecord& record, int first, int last,
                        int startUtc) {
  const IssueDate from = AddDays(record.issued, first);
  const IssueDate to = AddDays(record.issued, last);
  return HoursSpan(LocalHourText(from, to, startUtc),
                   LocalHourText(from, to, (startUtc + 12) % 24));
}

// Day `day`'s one chance of days 3 to 7: the 24 hours to 00 UTC after the
// day, from the evening before.
std::string DayLongChance(const ForecastRecord& record, const DayRow& row) {
  const IssueDate day = AddDays(record.issued, row.day);
  const IssueDate after = AddDays(day, 1);
  return Fill("{} (24 hours, {})",
              {Percent(row.highProbPrec),
               HoursSpan(LocalHourText(day, day, 0),
                         LocalHourText(after, after, 0))});
}

// "+1.25", "-0.50", "0.00"; appended, not prefixed: a sign added in front
// of a temporary string trips a false overlap warning of some compilers.
std::string SignedFixed(double value) {
  std::string text = value > 0 ? "+" : "";
  text += Fixed(value, 2);
  return text;
}

std::string SourceText(RatioSource source) {
  if (source == RatioSource::kVerification)
    return "suggested by the verification of the archive (--ratio auto)";
  if (source == RatioSource::kVerificationBiasRemoved)
    return "suggested by the verification of the archive with the biases removed (--ratio auto --bias auto)";
  if (source == RatioSource::kFallback)
    return "the fallback, as too few days were verified";
  return "typed by the forecaster";
}

std::string UnitsName(UnitSystem units) {
  if (units == UnitSystem::kMetric) return "Metric units";
  if (units == UnitSystem::kStandard) return "Standard units";
  return "units as read";
}

}  // namespace

std::string Whole(double value) { return std::to_string(std::lround(value)); }

std::string DegreeSign(UnitSystem units) {
  return units == UnitSystem::kMetric ? "\u00b0C" : "\u00b0F";
}

std::string DayName(const IssueDate& day) {
  return std::string(WeekdayName(day)) + " " + FormatIssueDate(day);
}

std::string PageStart(std::string_view title) {
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
         "<title>" +
         EscapeXml(title) + "</title>\n<style>" + std::string(kStyle) +
         "</style>\n</head>\n<body>\n<h1>" + EscapeXml(title) +
         "</h1>\n<main>\n";
}

std::string PageEnd() { return "</main>\n</body>\n</html>\n"; }

std::string Picture(const ForecastRecord& record, std::string_view src) {
  const std::string alt = Fill(
      "Meteogram of the forecast issued {}: temperature and dew point, chance of precipitation, sky cover and wind; the table below gives its numbers.",
      {FormatIssueDate(record.issued)});
  return "<img src=\"" + EscapeXml(src) + "\" alt=\"" + EscapeXml(alt) +
         "\" width=\"960\" height=\"830\">\n";
}

std::string NoPicture() {
  return "<p>No picture was drawn this morning.</p>\n";
}

std::string Scrolling(const std::string& table) {
  return "<div class=\"scroll\">\n" + table + "</div>\n";
}

std::string DayTable(const ForecastRecord& record) {
  // Appended, not prefixed (see SignedFixed).
  std::string unit = " ";
  unit += DegreeSign(record.units);
  auto heading = [](const std::string& text) {
    return "<th scope=\"col\">" + EscapeXml(text) + "</th>";
  };
  std::string table =
      "<table>\n<caption>" +
      EscapeXml(Fill("The seven days, issued {} 1200 UTC",
                     {FormatIssueDate(record.issued)})) +
      "</caption>\n<thead><tr>" + heading("Day") + heading("High" + unit) +
      heading("Low" + unit) +
      heading(DewPointName(record.issued, false) + unit) +
      heading(DewPointName(record.issued, true) + unit) +
      heading(Fill("Chance of precipitation, night {}",
                   {TwelveHours(record, 1, 2, 0)})) +
      heading(Fill("Chance of precipitation, day {}",
                   {TwelveHours(record, 1, 2, 12)})) +
      "</tr></thead>\n<tbody>\n";
  for (const DayRow& row : record.forecast.days) {
    const std::string chances =
        row.lowProbPrec
            ? Cell(Percent(*row.lowProbPrec)) + Cell(Percent(row.highProbPrec))
            : "<td colspan=\"2\">" + EscapeXml(DayLongChance(record, row)) +
                  "</td>";
    table += "<tr><th scope=\"row\">" +
             EscapeXml(DayName(AddDays(record.issued, row.day))) + "</th>" +
             Cell(Whole(row.highTemp)) + Cell(Whole(row.lowTemp)) +
             Cell(Whole(row.lowDpt)) + Cell(Whole(row.highDpt)) + chances +
             "</tr>\n";
  }
  return Scrolling(table + "</tbody>\n</table>\n");
}

std::string RatioParagraph(const ForecastRecord& record) {
  std::string text =
      Fill("Weights {} {}, {} {}: {}; {}.",
           {record.models[0], Significant(record.primaryRatio, 6),
            record.models[4], Significant(record.secondaryRatio, 6),
            SourceText(record.ratioSource), UnitsName(record.units)});
  std::string biases;
  for (const RemovedBias& bias : record.biases) {
    // A 1.3.0 record's bias was the region's, of no one station.
    const std::string where = bias.station.empty() ? "" : " " + bias.station;
    biases += Fill(biases.empty() ? "{}{} day {} {} {}" : ", {}{} day {} {} {}",
                   {bias.guidance, where, std::to_string(bias.leadDay),
                    bias.element, SignedFixed(bias.bias)});
  }
  text += " ";
  text += biases.empty()
              ? "No bias was removed."
              : Fill("Bias removed from the highs and lows: {}.", {biases});
  return "<p>" + EscapeXml(text) + "</p>\n";
}
