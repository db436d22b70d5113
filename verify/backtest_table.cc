#include "verify/backtest_table.h"

#include <array>
#include <string>

#include "common/console.h"
#include "verify/table_row.h"

namespace {

constexpr std::size_t kNameWidth = 20;
constexpr std::array<std::size_t, 5> kWidths{4, 7, 9, 9, 7};

// One forecast's errors over its lead days `first` to `last`, both
// elements.
ErrorSums Total(const Backtest& backtest, BacktestForecast forecast, int first,
                int last) {
  ErrorSums total;
  for (int k = first; k <= last; ++k)
    total.Add(backtest.scores[static_cast<int>(forecast)][k].All());
  return total;
}

std::string Mae(const ErrorSums& sums) {
  return FormatMae(sums, kBacktestScale);
}

void PrintSummary(std::ostream& out, const Backtest& backtest) {
  auto shortRange = [&](BacktestForecast f) {
    return Mae(Total(backtest, f, 1, 2));
  };
  auto extended = [&](BacktestForecast f) {
    return Mae(Total(backtest, f, 3, kMostLeadDay));
  };
  PrintLine(
      out,
      Fill(
          "Following the ratio would have given an MAE of {} on days 1 and 2, against {} for the GFS alone and {} for the NBM alone, and {} with the biases removed.",
          {shortRange(BacktestForecast::kBlend),
           shortRange(BacktestForecast::kGfs),
           shortRange(BacktestForecast::kNbm),
           shortRange(BacktestForecast::kBlendBiasRemoved)}));
  PrintLine(
      out,
      Fill(
          "Removing the GFSX's bias would have given an MAE of {} on days 3 to 7, against {} for the GFSX as issued.",
          {extended(BacktestForecast::kGfsxBiasRemoved),
           extended(BacktestForecast::kGfsx)}));
}

}  // namespace

void PrintBacktest(std::ostream& out, const Backtest& backtest) {
  PrintLine(out, "");
  if (Total(backtest, BacktestForecast::kGfs, 1, 2).count == 0 &&
      Total(backtest, BacktestForecast::kGfsx, 3, kMostLeadDay).count == 0) {
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
