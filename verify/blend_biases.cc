#include "verify/blend_biases.h"

#include <optional>

#include "common/console.h"

namespace {

std::optional<double> PrintedBias(const Verification& verification, int g,
                                  int leadDay, Element element) {
  const ErrorSums& sums = verification.Scores(g, leadDay).Of(element);
  if (sums.count == 0) return std::nullopt;
  return static_cast<double>(BiasHundredths(sums)) / 100;
}

// The four "N/X" values' biases: day 1's minimum and maximum, then day 2's.
std::array<std::optional<double>, 4> ShortRange(const Verification& v, int g) {
  return {PrintedBias(v, g, 1, Element::kMinimum),
          PrintedBias(v, g, 1, Element::kMaximum),
          PrintedBias(v, g, 2, Element::kMinimum),
          PrintedBias(v, g, 2, Element::kMaximum)};
}

}  // namespace

TemperatureBiases BiasesForBlend(const Verification& verification) {
  TemperatureBiases biases;
  biases.primary = ShortRange(verification, kScoredNbm);
  biases.secondary = ShortRange(verification, kScoredGfs);
  for (int day = 3; day <= kMostLeadDay; ++day) {
    biases.extendedMinimum[day - 3] =
        PrintedBias(verification, kScoredGfsx, day, Element::kMinimum);
    biases.extendedMaximum[day - 3] =
        PrintedBias(verification, kScoredGfsx, day, Element::kMaximum);
  }
  return biases;
}

std::string BiasRemovedLine(const Verification& verification) {
  std::string items;
  const auto add = [&](int g, int day) {
    const GuidanceScores& scores = verification.Scores(g, day);
    if (!items.empty()) items += ", ";
    items += Fill("{} day {} {}/{}",
                  {std::string(FactsOf(kScoredGuidance[g].guidance).word),
                   std::to_string(day), FormatBias(scores.maximum),
                   FormatBias(scores.minimum)});
  };
  for (int g : {kScoredNbm, kScoredGfs})
    for (int day = 1; day <= 2; ++day) add(g, day);
  for (int day = 3; day <= kMostLeadDay; ++day) add(kScoredGfsx, day);
  return Fill("Bias removed from the highs and lows: {}", {items});
}
