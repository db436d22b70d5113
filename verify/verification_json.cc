#include "verify/verification_json.h"

#include <nlohmann/json.hpp>

namespace {

// Keys in the order the document is read.
using json = nlohmann::ordered_json;

const char* ElementName(Element element) {
  return element == Element::kMaximum ? "max" : "min";
}

// Hundredths as the number the table prints.
json Hundredths(long long hundredths) {
  return static_cast<double>(hundredths) / 100;
}

json Scores(const Verification& verification) {
  json scores = json::array();
  for (std::size_t g = 0; g < kScoredGuidance.size(); ++g) {
    for (int k = 1; k <= kScoredGuidance[g].lastLeadDay; ++k) {
      for (Element e : kElements) {
        const ErrorSums& sums =
            verification.Scores(static_cast<int>(g), k).Of(e);
        const bool any = sums.count > 0;
        scores.push_back(
            {{"guidance", FactsOf(kScoredGuidance[g].guidance).word},
             {"lead_day", k},
             {"element", ElementName(e)},
             {"count", sums.count},
             {"bias", any ? Hundredths(BiasHundredths(sums)) : json()},
             {"mae", any ? Hundredths(MaeHundredths(sums)) : json()}});
      }
    }
  }
  return scores;
}

json BacktestEntries(const Backtest& backtest) {
  json entries = json::array();
  for (const BacktestForecastFacts& facts : kBacktestForecasts) {
    for (int k = facts.firstLeadDay; k <= facts.lastLeadDay; ++k) {
      for (Element e : kElements) {
        const ErrorSums& sums =
            backtest.scores[static_cast<int>(facts.forecast)][k].Of(e);
        entries.push_back({{"forecast", facts.name},
                           {"lead_day", k},
                           {"element", ElementName(e)},
                           {"count", sums.count},
                           {"mae", sums.count > 0 ? Hundredths(MaeHundredths(
                                                        sums, kBacktestScale))
                                                  : json()}});
      }
    }
  }
  return entries;
}

}  // namespace

std::string VerificationJson(const Verification& verification) {
  json document;
  document["first"] = FormatIssueDate(verification.first);
  document["last"] = FormatIssueDate(verification.last);
  document["days"] = verification.days;
  document["verified_days"] = verification.verifiedDays;
  document["scores"] = Scores(verification);
  document["ratio"] = Hundredths(verification.ratioHundredths);
  document["backtest"] = BacktestEntries(verification.backtest);
  return document.dump(2) + "\n";
}
