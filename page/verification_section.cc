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
#include "verify/city_scores.h"

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

// The backtest's figures as verify prints them, from the same exact sums.
std::string BacktestLine(const Backtest& backtest) {
  const BacktestSummary summary = SummaryOf(backtest);
  if (!summary.blend || !summary.gfs || !summary.nbm)
    return "<p>The backtest has no morning with enough verified days yet.</p>\n";
  std::string line = Fill(
      "Following the ratio would have given a mean absolute error of {} \u00b0F on days 1 and 2, against {} for the GFS alone and {} for the NBM alone.",
      {FormatHundredths(*summary.blend), FormatHundredths(*summary.gfs),
       FormatHundredths(*summary.nbm)});
  if (summary.blendBiasRemoved) {
    line += " ";
    line += Fill("Removing the bias as well would have given {}.",
                 {FormatHundredths(*summary.blendBiasRemoved)});
  }
  return "<p>" + EscapeXml(line) + "</p>\n";
}

// Both elements of the city's errors at a lead day.
RealErrorSums BothElements(const RealErrorSums& high, const RealErrorSums& low) {
  RealErrorSums both = high;
  both.count += low.count;
  both.sum += low.sum;
  both.absoluteSum += low.absoluteSum;
  both.squareSum += low.squareSum;
  return both;
}

// The guidance a lead day's skill is measured against: the NBM at days 1
// and 2, the GFSX after.
int SkillGuidance(int leadDay) {
  return leadDay <= 2 ? kScoredNbm : kScoredGfsx;
}

std::string RealCells(const RealErrorSums& sums) {
  if (sums.count == 0) return "<td></td><td></td><td></td>";
  return "<td>" + std::to_string(sums.count) + "</td><td>" +
         FormatSignedHundredths(BiasHundredths(sums)) + "</td><td>" +
         FormatHundredths(MaeHundredths(sums)) + "</td>";
}

std::string SkillCells(const CityScores::Beside& beside) {
  if (beside.alone.count == 0) return "<td></td><td></td>";
  const std::optional<long long> skill =
      SkillHundredths(beside.city, beside.alone);
  return "<td>" + FormatHundredths(MaeHundredths(beside.alone)) + "</td><td>" +
         (skill ? FormatSignedHundredths(*skill) : std::string()) + "</td>";
}

// The city's own forecasts against the city observation by lead day, each
// element's count, bias and MAE, and beside them the MAE of the guidance
// alone on the same days with the skill against it; rows without a pair
// are left out.
std::string CityScoresTable(const Verification& verification) {
  std::string rows;
  for (int k = 1; k <= kMostLeadDay; ++k) {
    const RealErrorSums& high = verification.city.City(k, Element::kMaximum);
    const RealErrorSums& low = verification.city.City(k, Element::kMinimum);
    if (high.count == 0 && low.count == 0) continue;
    const int g = SkillGuidance(k);
    rows += "<tr><th scope=\"row\">" +
            EscapeXml(Fill("Day {} against the {}",
                           {std::to_string(k),
                            std::string(FactsOf(kScoredGuidance[g].guidance).word)})) +
            "</th>" + RealCells(high) + RealCells(low) +
            SkillCells(verification.city.Alone(g, k, Element::kMaximum)) +
            SkillCells(verification.city.Alone(g, k, Element::kMinimum)) +
            "</tr>\n";
  }
  const std::string window = Fill(
      "The city's own forecasts of {} to {} against the city observation, \u00b0F",
      {FormatIssueDate(verification.first), FormatIssueDate(verification.last)});
  if (rows.empty())
    return "<p>" +
           EscapeXml(Fill("No forecast of the city's records falls on {} to {} with an observation yet.",
                          {FormatIssueDate(verification.first),
                           FormatIssueDate(verification.last)})) +
           "</p>\n";
  const std::string each =
      "<th scope=\"col\">Count</th><th scope=\"col\">Bias</th><th scope=\"col\">MAE</th>";
  const std::string alone =
      "<th scope=\"col\">MAE alone</th><th scope=\"col\">Skill</th>";
  return Scrolling(
      "<table>\n<caption>" + EscapeXml(window) +
      "</caption>\n<thead><tr><td></td><th scope=\"colgroup\" colspan=\"3\">Highs</th><th scope=\"colgroup\" colspan=\"3\">Lows</th><th scope=\"colgroup\" colspan=\"2\">Highs, guidance alone</th><th scope=\"colgroup\" colspan=\"2\">Lows, guidance alone</th></tr>\n<tr><th scope=\"col\">Lead day</th>" +
      each + each + alone + alone + "</tr></thead>\n<tbody>\n" + rows +
      "</tbody>\n</table>\n");
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

// The city's own forecast's MAE by lead day, both elements, from the
// verification's scores of the issued forecasts.
std::array<std::optional<double>, kForecastDays + 1> CityMaeByLeadDay(
    const Verification& verification) {
  std::array<std::optional<double>, kForecastDays + 1> mae;
  for (int k = 1; k <= kForecastDays; ++k) {
    const RealErrorSums both =
        BothElements(verification.city.City(k, Element::kMaximum),
                     verification.city.City(k, Element::kMinimum));
    if (both.count > 0)
      mae[k] = static_cast<double>(MaeHundredths(both)) / 100;
  }
  return mae;
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
  section += "<h3>The city's own forecast</h3>\n";
  section += CityScoresTable(*verification);
  section += MaeByLeadDayChart(*verification);
  section += BacktestLine(verification->backtest);
  section += BacktestTable(verification->backtest);
  return section + "</section>\n";
}
