#include "page/verification_section.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "common/console.h"
#include "common/markup.h"
#include "page/charts.h"
#include "page/html_parts.h"
#include "products/guidance.h"

namespace {

// The cells of one element's sums: count, (bias,) MAE; blank without a
// pair.
std::string SumsCells(const ErrorSums& sums, bool withBias, long long scale) {
  if (sums.count == 0)
    return withBias ? "<td></td><td></td><td></td>" : "<td></td><td></td>";
  std::string cells = "<td>" + std::to_string(sums.count) + "</td>";
  if (withBias) cells += "<td>" + FormatBias(sums) + "</td>";
  return cells + "<td>" + FormatMae(sums, scale) + "</td>";
}

std::string TableStart(std::string_view caption, bool withBias) {
  const std::string each =
      withBias
          ? "<th scope=\"col\">Count</th><th scope=\"col\">Bias</th><th scope=\"col\">MAE</th>"
          : "<th scope=\"col\">Count</th><th scope=\"col\">MAE</th>";
  const std::string span = withBias ? "3" : "2";
  return "<table>\n<caption>" + EscapeXml(caption) +
         "</caption>\n<thead><tr><td></td><th scope=\"colgroup\" colspan=\"" +
         span + "\">Highs</th><th scope=\"colgroup\" colspan=\"" + span +
         "\">Lows</th></tr>\n<tr><th scope=\"col\">Day</th>" + each + each +
         "</tr></thead>\n<tbody>\n";
}

std::string Row(std::string_view who, int leadDay, const GuidanceScores& scores,
                bool withBias, long long scale) {
  if (scores.All().count == 0) return "";
  return "<tr><th scope=\"row\">" +
         EscapeXml(Fill("{} day {}", {who, std::to_string(leadDay)})) +
         "</th>" + SumsCells(scores.maximum, withBias, scale) +
         SumsCells(scores.minimum, withBias, scale) + "</tr>\n";
}

std::string ScoresTable(const Verification& verification) {
  std::string table = TableStart("Scores by lead day, \u00b0F", true);
  for (std::size_t g = 0; g < kScoredGuidance.size(); ++g) {
    for (int k = 1; k <= kScoredGuidance[g].lastLeadDay; ++k)
      table += Row(FactsOf(kScoredGuidance[g].guidance).word, k,
                   verification.Scores(static_cast<int>(g), k), true, 1);
  }
  return Scrolling(table + "</tbody>\n</table>\n");
}

// One backtest forecast's errors over lead days 1 and 2, both elements.
ErrorSums DaysOneAndTwo(const Backtest& backtest, BacktestForecast forecast) {
  ErrorSums total;
  for (int k = 1; k <= 2; ++k)
    total.Add(backtest.scores[static_cast<int>(forecast)][k].All());
  return total;
}

std::string BacktestLine(const Backtest& backtest) {
  const ErrorSums blend = DaysOneAndTwo(backtest, BacktestForecast::kBlend);
  const ErrorSums gfs = DaysOneAndTwo(backtest, BacktestForecast::kGfs);
  const ErrorSums nbm = DaysOneAndTwo(backtest, BacktestForecast::kNbm);
  if (blend.count == 0 || gfs.count == 0 || nbm.count == 0)
    return "<p>The backtest has no morning with enough verified days yet.</p>\n";
  std::string line = Fill(
      "Following the ratio would have given a mean absolute error of {} \u00b0F on days 1 and 2, against {} for the GFS alone and {} for the NBM alone.",
      {FormatMae(blend, kBacktestScale), FormatMae(gfs, kBacktestScale),
       FormatMae(nbm, kBacktestScale)});
  const ErrorSums removed =
      DaysOneAndTwo(backtest, BacktestForecast::kBlendBiasRemoved);
  if (removed.count > 0) {
    line += " ";
    line += Fill("Removing the bias as well would have given {}.",
                 {FormatMae(removed, kBacktestScale)});
  }
  return "<p>" + EscapeXml(line) + "</p>\n";
}

std::string BacktestTable(const Backtest& backtest) {
  std::string rows;
  for (const BacktestForecastFacts& facts : kBacktestForecasts) {
    for (int k = facts.firstLeadDay; k <= facts.lastLeadDay; ++k)
      rows += Row(facts.name, k,
                  backtest.scores[static_cast<int>(facts.forecast)][k], false,
                  kBacktestScale);
  }
  if (rows.empty()) return "";
  return Scrolling(
      TableStart("Backtest: following the ratio each morning, \u00b0F", false) +
      rows + "</tbody>\n</table>\n");
}

// The city's own forecast's MAE by lead day, from the verification's
// scores of the issued forecasts; none while the verification does not
// carry them, and the chart then shows the guidance alone.
std::array<std::optional<double>, kForecastDays + 1> CityMaeByLeadDay(
    const Verification&) {
  return {};
}

// The guidance's MAE by lead day, both elements, and the city's when known.
std::string MaeByLeadDayChart(const Verification& verification) {
  std::vector<MaeLine> lines;
  MaeLine city{"City forecast", CityMaeByLeadDay(verification)};
  bool cityKnown = false;
  for (const auto& mae : city.mae) cityKnown = cityKnown || mae.has_value();
  if (cityKnown) lines.push_back(city);
  for (std::size_t g = 0; g < kScoredGuidance.size(); ++g) {
    MaeLine line{std::string(FactsOf(kScoredGuidance[g].guidance).word), {}};
    for (int k = 1; k <= kScoredGuidance[g].lastLeadDay; ++k) {
      const ErrorSums all = verification.Scores(static_cast<int>(g), k).All();
      if (all.count > 0)
        line.mae[k] = static_cast<double>(MaeHundredths(all)) / 100;
    }
    lines.push_back(line);
  }
  return "<div class=\"charts\">\n" + MaeChart(lines) + "</div>\n";
}

}  // namespace

std::string VerificationSection(const Verification* verification) {
  std::string section =
      "<section class=\"wide\">\n<h2>How good the guidance was</h2>\n";
  if (!verification || verification->verifiedDays < kLeastVerifiedDays) {
    return section +
           "<p>Too few days are verified yet to score the guidance.</p>\n</section>\n";
  }
  section +=
      "<p>" +
      EscapeXml(Fill(
          "{} of the {} days from {} to {} verified; suggested ratio {}.",
          {std::to_string(verification->verifiedDays),
           std::to_string(verification->days),
           FormatIssueDate(verification->first),
           FormatIssueDate(verification->last),
           FormatHundredths(verification->ratioHundredths)})) +
      "</p>\n";
  section += ScoresTable(*verification);
  section += MaeByLeadDayChart(*verification);
  section += BacktestLine(verification->backtest);
  section += BacktestTable(verification->backtest);
  return section + "</section>\n";
}
