#include "page/html_parts.h"

#include <cmath>

#include "common/console.h"
#include "plot/svg_writer.h"

namespace {

constexpr std::string_view kStyle =
    "body{font-family:sans-serif;color:#212121;background:#fff;margin:0 auto;"
    "max-width:1120px;padding:0 1em;line-height:1.4}"
    "main{display:grid;grid-template-columns:minmax(0,1fr) minmax(0,1fr);"
    "gap:0 2em}section{min-width:0;overflow-x:auto}.wide{grid-column:1/-1}"
    "img{max-width:100%;height:auto;display:block}"
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
  static constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed",
                                              "Thu", "Fri", "Sat"};
  return std::string(kWeekdays[Weekday(day)]) + " " + FormatIssueDate(day);
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

std::string DayTable(const ForecastRecord& record) {
  const std::string unit = DegreeSign(record.units);
  std::string table =
      "<table>\n<caption>" +
      EscapeXml(Fill("The seven days, issued {} 1200 UTC",
                     {FormatIssueDate(record.issued)})) +
      "</caption>\n<thead><tr><th scope=\"col\">Day</th><th scope=\"col\">High " +
      unit + "</th><th scope=\"col\">Low " + unit +
      "</th><th scope=\"col\">High dew point " + unit +
      "</th><th scope=\"col\">Low dew point " + unit +
      "</th><th scope=\"col\">Chance of precipitation</th></tr></thead>\n<tbody>\n";
  for (const DayRow& row : record.forecast.days) {
    const std::string chance =
        row.lowProbPrec
            ? Percent(*row.lowProbPrec) + " / " + Percent(row.highProbPrec)
            : Percent(row.highProbPrec);
    table += "<tr><th scope=\"row\">" +
             EscapeXml(DayName(AddDays(record.issued, row.day))) + "</th>" +
             Cell(Whole(row.highTemp)) + Cell(Whole(row.lowTemp)) +
             Cell(Whole(row.highDpt)) + Cell(Whole(row.lowDpt)) + Cell(chance) +
             "</tr>\n";
  }
  return table + "</tbody>\n</table>\n";
}

std::string RatioParagraph(const ForecastRecord& record) {
  std::string text =
      Fill("Weights {} {}, {} {}: {}; {}.",
           {record.models[0], Significant(record.primaryRatio, 6),
            record.models[4], Significant(record.secondaryRatio, 6),
            SourceText(record.ratioSource), UnitsName(record.units)});
  std::string biases;
  for (const RemovedBias& bias : record.biases) {
    biases += Fill(biases.empty() ? "{} day {} {} {}" : ", {} day {} {} {}",
                   {bias.guidance, std::to_string(bias.leadDay), bias.element,
                    (bias.bias > 0 ? "+" : "") + Fixed(bias.bias, 2)});
  }
  if (!biases.empty())
    text += " " + Fill("Bias removed from the highs and lows: {}.", {biases});
  return "<p>" + EscapeXml(text) + "</p>\n";
}
