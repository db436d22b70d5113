#include "verify/verification_table.h"

#include <array>
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

}  // namespace

void PrintVerification(std::ostream& out, const Verification& verification) {
  PrintLine(
      out,
      Fill(
          "Verification of the 1200 UTC guidance at KFSD, KHON and KMHE, {} to {} ({} days)",
          {FormatIssueDate(verification.first),
           FormatIssueDate(verification.last),
           std::to_string(verification.days)}));
  PrintLine(out,
            "guidance  forecasts  max bias  max MAE  min bias  min MAE    MAE");
  PrintLine(out, ScoreRow("GFS", verification.Scores(kScoredGfs, 1)));
  PrintLine(out, ScoreRow("NBM", verification.Scores(kScoredNbm, 1)));
  PrintLeadDays(out, verification);
  PrintLine(out, Fill("suggested ratio: {}",
                      {FormatHundredths(verification.ratioHundredths)}));
  PrintBacktest(out, verification.backtest);
}
