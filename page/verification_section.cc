#include "page/verification_section.h"

#include <array>
#include <map>
#include <string_view>
#include <utility>

#include "common/console.h"
#include "record/json_fields.h"
#include "plot/svg_writer.h"

namespace {

using nlohmann::json;

// One row of a table: a forecast (or guidance) at one lead day, its highs'
// and lows' figures.
struct Figures {
  bool known = false;
  int count = 0;
  double bias = 0, mae = 0;
};
struct Row {
  std::array<Figures, 2> elements;  // max, min
};
// Rows in the order the document names them first, then by lead day.
using Rows = std::map<std::pair<int, int>, Row>;

std::string Signed(double value) {
  return (value > 0 ? "+" : "") + Fixed(value, 2);
}

// The entries of `key`, by the order of their `name` field and lead day.
Rows Arrange(const json& document, const char* key, const char* name,
             std::vector<std::string>* names, bool withBias) {
  Rows rows;
  const auto list = document.find(key);
  if (list == document.end() || !list->is_array()) return rows;
  for (const json& entry : *list) {
    std::string who, element, err;
    Figures figures{true};
    if (!entry.is_object() || !TakeText(entry, name, &who, &err) ||
        !TakeText(entry, "element", &element, &err) ||
        (element != "max" && element != "min"))
      continue;
    int lead = 0;
    if (!TakeWhole(entry, "lead_day", &lead, &err) ||
        !TakeWhole(entry, "count", &figures.count, &err) ||
        !TakeNumber(entry, "mae", &figures.mae, &err) ||
        (withBias && !TakeNumber(entry, "bias", &figures.bias, &err)))
      continue;
    std::size_t order = 0;
    while (order < names->size() && (*names)[order] != who) ++order;
    if (order == names->size()) names->push_back(who);
    rows[{static_cast<int>(order), lead}].elements[element == "min"] = figures;
  }
  return rows;
}

std::string FiguresCells(const Figures& figures, bool withBias) {
  if (!figures.known)
    return withBias ? "<td></td><td></td><td></td>" : "<td></td><td></td>";
  std::string cells = "<td>" + std::to_string(figures.count) + "</td>";
  if (withBias) cells += "<td>" + Signed(figures.bias) + "</td>";
  return cells + "<td>" + Fixed(figures.mae, 2) + "</td>";
}

std::string Table(const Rows& rows, const std::vector<std::string>& names,
                  std::string_view caption, bool withBias) {
  const std::string each =
      withBias
          ? "<th scope=\"col\">Count</th><th scope=\"col\">Bias</th><th scope=\"col\">MAE</th>"
          : "<th scope=\"col\">Count</th><th scope=\"col\">MAE</th>";
  const std::string span = withBias ? "3" : "2";
  std::string table =
      "<table>\n<caption>" + EscapeXml(caption) +
      "</caption>\n<thead><tr><td></td><th scope=\"colgroup\" colspan=\"" +
      span + "\">Highs</th><th scope=\"colgroup\" colspan=\"" + span +
      "\">Lows</th></tr>\n<tr><th scope=\"col\">Day</th>" + each + each +
      "</tr></thead>\n<tbody>\n";
  for (const auto& [key, row] : rows) {
    table += "<tr><th scope=\"row\">" +
             EscapeXml(Fill("{} day {}",
                            {names[key.first], std::to_string(key.second)})) +
             "</th>" + FiguresCells(row.elements[0], withBias) +
             FiguresCells(row.elements[1], withBias) + "</tr>\n";
  }
  return table + "</tbody>\n</table>\n";
}

// The count-weighted mean absolute error of `who` over days 1 and 2, or
// false when it has no pair there.
bool DaysOneAndTwo(const Rows& rows, const std::vector<std::string>& names,
                   std::string_view who, double* mae) {
  double sum = 0;
  int count = 0;
  for (const auto& [key, row] : rows) {
    if (names[key.first] != who || key.second < 1 || key.second > 2) continue;
    for (const Figures& figures : row.elements) {
      sum += figures.mae * figures.count;
      count += figures.count;
    }
  }
  if (count > 0) *mae = sum / count;
  return count > 0;
}

std::string BacktestLine(const Rows& rows,
                         const std::vector<std::string>& names) {
  double blend = 0, gfs = 0, nbm = 0, removed = 0;
  if (!DaysOneAndTwo(rows, names, "blend", &blend) ||
      !DaysOneAndTwo(rows, names, "GFS", &gfs) ||
      !DaysOneAndTwo(rows, names, "NBM", &nbm))
    return "<p>The backtest has no morning with enough verified days yet.</p>\n";
  std::string line = Fill(
      "Following the ratio would have given a mean absolute error of {} \u00b0F on days 1 and 2, against {} for the GFS alone and {} for the NBM alone.",
      {Fixed(blend, 2), Fixed(gfs, 2), Fixed(nbm, 2)});
  if (DaysOneAndTwo(rows, names, "blend, bias removed", &removed))
    line += " " + Fill("Removing the bias as well would have given {}.",
                       {Fixed(removed, 2)});
  return "<p>" + EscapeXml(line) + "</p>\n";
}

}  // namespace

std::string VerificationSection(const nlohmann::json* verification) {
  std::string section = "<section>\n<h2>How good the guidance was</h2>\n";
  if (!verification || !verification->is_object()) {
    return section +
           "<p>Too few days are verified yet to score the guidance.</p>\n</section>\n";
  }
  std::string first, last, err;
  int days = 0, verified = 0;
  double ratio = 0;
  if (TakeText(*verification, "first", &first, &err) &&
      TakeText(*verification, "last", &last, &err) &&
      TakeWhole(*verification, "days", &days, &err) &&
      TakeWhole(*verification, "verified_days", &verified, &err) &&
      TakeNumber(*verification, "ratio", &ratio, &err)) {
    section +=
        "<p>" +
        EscapeXml(Fill(
            "{} of the {} days from {} to {} verified; suggested ratio {}.",
            {std::to_string(verified), std::to_string(days), first, last,
             Fixed(ratio, 2)})) +
        "</p>\n";
  }
  std::vector<std::string> guidance, forecasts;
  const Rows scores =
      Arrange(*verification, "scores", "guidance", &guidance, true);
  // Schema 2 keeps the backtest's entries under "entries".
  const auto nested = verification->find("backtest");
  const bool inEntries = nested != verification->end() && nested->is_object();
  const Rows backtest =
      Arrange(inEntries ? *nested : *verification,
              inEntries ? "entries" : "backtest", "forecast", &forecasts, false);
  section += Table(scores, guidance, "Scores by lead day, \u00b0F", true);
  section += BacktestLine(backtest, forecasts);
  if (!backtest.empty())
    section +=
        Table(backtest, forecasts,
              "Backtest: following the ratio each morning, \u00b0F", false);
  return section + "</section>\n";
}
