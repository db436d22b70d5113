#include "verify/verification_table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/console.h"
#include "verify/backtest_table.h"
#include "verify/table_row.h"

namespace {

// Each column as wide as its heading and the blanks before it.
constexpr std::size_t kNameWidth = 8;
constexpr std::array<std::size_t, 6> kDayOneWidths{11, 10, 9, 10, 9, 7};
constexpr std::array<std::size_t, 7> kLeadDayWidths{5, 11, 10, 9, 11, 10, 9};

std::string ScoreRow(std::string_view name, const GuidanceScores& scores) {
  const ErrorSums all = scores.All();
  return TableRow(name, kNameWidth, kDayOneWidths,
                  {std::to_string(all.count), FormatBias(scores.maximum),
                   FormatMae(scores.maximum), FormatBias(scores.minimum),
                   FormatMae(scores.minimum), FormatMae(all)});
}

std::string LeadDayRow(std::string_view name, int leadDay,
                       const GuidanceScores& scores) {
  return TableRow(
      name, kNameWidth, kLeadDayWidths,
      {std::to_string(leadDay), std::to_string(scores.maximum.count),
       FormatBias(scores.maximum), FormatMae(scores.maximum),
       std::to_string(scores.minimum.count), FormatBias(scores.minimum),
       FormatMae(scores.minimum)});
}

void PrintLeadDays(std::ostream& out, const Verification& verification) {
  PrintLine(out, "");
  PrintLine(out, "By lead day, with the 0000 UTC GFSX MOS:");
  PrintLine(
      out,
      "guidance  day  max count  max bias  max MAE  min count  min bias  min MAE");
  for (std::size_t g = 0; g < kScoredGuidance.size(); ++g) {
    const std::string_view name = FactsOf(kScoredGuidance[g].guidance).word;
    for (int k = 1; k <= kScoredGuidance[g].lastLeadDay; ++k)
      PrintLine(out, LeadDayRow(name, k,
                                verification.Scores(static_cast<int>(g), k)));
  }
}

constexpr std::array<std::size_t, 9> kCityWidths{3, 12, 11, 10, 12, 11, 10, 9, 11};

std::string Signed(const std::optional<long long>& hundredths) {
  if (!hundredths) return "-";
  return FormatSignedHundredths(*hundredths);
}

// Count, bias, MAE and skill of one element of the city's forecast.
std::array<std::string, 4> CityCells(const CityScores& city, int leadDay,
                                     Element element) {
  const RealErrorSums& sums = city.City(leadDay, element);
  if (sums.count == 0) return {"0", "-", "-", "-"};
  const int against = leadDay <= 2 ? kScoredNbm : kScoredGfsx;
  const CityScores::Beside& beside = city.Alone(against, leadDay, element);
  return {std::to_string(sums.count), Signed(BiasHundredths(sums)),
          FormatHundredths(MaeHundredths(sums)),
          Signed(SkillHundredths(beside.city, beside.alone))};
}

void PrintCity(std::ostream& out, const CityScores& city) {
  PrintLine(out, "");
  PrintLine(
      out,
      "The city's own forecast: its records against the city observation, skill against the NBM at days 1 and 2 and the GFSX at days 3 to 7:");
  bool any = false;
  for (int k = 1; k <= kMostLeadDay; ++k) {
    if (city.City(k, Element::kMaximum).count == 0 &&
        city.City(k, Element::kMinimum).count == 0)
      continue;
    if (!any)
      PrintLine(
          out,
          "day  high count  high bias  high MAE  high skill  low count  low bias  low MAE  low skill");
    any = true;
    const auto high = CityCells(city, k, Element::kMaximum);
    const auto low = CityCells(city, k, Element::kMinimum);
    PrintLine(out, TableRow("", 0, kCityWidths,
                            {std::to_string(k), high[0], high[1], high[2],
                             high[3], low[0], low[1], low[2], low[3]}));
  }
  if (!any)
    PrintLine(out, "No record of the city's forecast falls on these days.");
}

}  // namespace

void PrintVerification(std::ostream& out, const Verification& verification) {
  PrintLine(
      out,
      Fill(
          "Verification of the 1200 UTC guidance at KFSD, KHON and KMHE, {} to {} ({} days)",
          {FormatIssueDate(verification.first),
           FormatIssueDate(verification.last),
           std::to_string(verification.days)}));
  PrintLine(out, "At lead day 1:");
  PrintLine(out,
            "guidance  forecasts  max bias  max MAE  min bias  min MAE    MAE");
  PrintLine(out, ScoreRow("GFS", verification.Scores(kScoredGfs, 1)));
  PrintLine(out, ScoreRow("NBM", verification.Scores(kScoredNbm, 1)));
  PrintLeadDays(out, verification);
  PrintCity(out, verification.city);
  PrintLine(out, Fill("suggested ratio: {}",
                      {FormatHundredths(verification.ratioHundredths)}));
  PrintBacktest(out, verification.backtest);
}
