#include "verify/backtest_table.h"

#include <array>
#include <string>

#include "common/console.h"
#include "verify/table_row.h"

namespace {

constexpr std::size_t kNameWidth = 20;
constexpr std::array<std::size_t, 5> kWidths{4, 7, 9, 9, 7};

std::string Mae(const ErrorSums& sums) {
  return FormatMae(sums, kBacktestScale);
}

std::string Figure(const std::optional<long long>& hundredths) {
  return hundredths ? FormatHundredths(*hundredths) : "-";
}

void PrintSummary(std::ostream& out, const Backtest& backtest) {
  const BacktestSummary summary = SummaryOf(backtest);
  PrintLine(
      out,
      Fill(
          "Following the ratio would have given an MAE of {} on days 1 and 2, against {} for the GFS alone and {} for the NBM alone, and {} with the biases removed.",
          {Figure(summary.blend), Figure(summary.gfs), Figure(summary.nbm),
           Figure(summary.blendBiasRemoved)}));
  PrintLine(
      out,
      Fill(
          "Removing the GFSX's bias would have given an MAE of {} on days 3 to 7, against {} for the GFSX as issued.",
          {Figure(summary.gfsxBiasRemoved), Figure(summary.gfsx)}));
}

}  // namespace

void PrintBacktest(std::ostream& out, const Backtest& backtest) {
  PrintLine(out, "");
  if (BacktestTotal(backtest, BacktestForecast::kGfs, 1, 2).count == 0 &&
      BacktestTotal(backtest, BacktestForecast::kGfsx, 3, kMostLeadDay).count ==
          0) {
    PrintLine(
        out,
        Fill(
            "Backtest: no morning of these days had {} verified days before it.",
            {std::to_string(kLeastVerifiedDays)}));
    return;
  }
  PrintLine(
      out,
      "Backtest: each day forecast again with the ratio and biases its morning knew");
  PrintLine(out, "forecast             day  pairs  max MAE  min MAE    MAE");
  for (const BacktestForecastFacts& facts : kBacktestForecasts) {
    for (int k = facts.firstLeadDay; k <= facts.lastLeadDay; ++k) {
      const GuidanceScores& scores =
          backtest.scores[static_cast<int>(facts.forecast)][k];
      const ErrorSums all = scores.All();
      PrintLine(out,
                TableRow(facts.name, kNameWidth, kWidths,
                         {std::to_string(k), std::to_string(all.count),
                          Mae(scores.maximum), Mae(scores.minimum), Mae(all)}));
    }
  }
  PrintSummary(out, backtest);
}
