#include "verify/blend_biases.h"

#include <optional>

#include "common/console.h"

namespace {

std::optional<double> Removed(const StationBiases& biases, int g, int station,
                              int leadDay, Element element) {
  const std::optional<long long>& removed =
      biases.cells[g][station][leadDay][ElementIndex(element)]
          .removedHundredths;
  if (!removed) return std::nullopt;
  return static_cast<double>(*removed) / 100;
}

// The four "N/X" values' biases: day 1's minimum and maximum, then day 2's.
std::array<std::optional<double>, 4> ShortRange(const StationBiases& b, int g,
                                                int s) {
  return {Removed(b, g, s, 1, Element::kMinimum),
          Removed(b, g, s, 1, Element::kMaximum),
          Removed(b, g, s, 2, Element::kMinimum),
          Removed(b, g, s, 2, Element::kMaximum)};
}

std::string Signed(const std::optional<long long>& hundredths) {
  if (!hundredths) return "-";
  return FormatSignedHundredths(*hundredths);
}

}  // namespace

TemperatureBiases BiasesForBlend(const StationBiases& biases) {
  TemperatureBiases blend;
  for (int s = 0; s < kStationCount; ++s) {
    StationTemperatureBiases& station = blend.stations[s];
    station.primary = ShortRange(biases, kScoredNbm, s);
    station.secondary = ShortRange(biases, kScoredGfs, s);
    for (int day = 3; day <= kMostLeadDay; ++day) {
      station.extendedMinimum[day - 3] =
          Removed(biases, kScoredGfsx, s, day, Element::kMinimum);
      station.extendedMaximum[day - 3] =
          Removed(biases, kScoredGfsx, s, day, Element::kMaximum);
    }
  }
  return blend;
}

std::string BiasRemovedLine(const StationBiases& biases) {
  std::string items;
  const auto add = [&](int g, int day) {
    std::string stations;
    for (int s = 0; s < kStationCount; ++s) {
      const auto& cells = biases.cells[g][s][day];
      if (!cells[0].removedHundredths && !cells[1].removedHundredths) continue;
      stations += Fill(" {} {}/{}", {std::string(kBulletinStations[s]),
                                     Signed(cells[0].removedHundredths),
                                     Signed(cells[1].removedHundredths)});
    }
    if (stations.empty()) return;
    if (!items.empty()) items += ", ";
    items += Fill("{} day {}{}",
                  {std::string(FactsOf(kScoredGuidance[g].guidance).word),
                   std::to_string(day), stations});
  };
  for (int g : {kScoredNbm, kScoredGfs})
    for (int day = 1; day <= 2; ++day) add(g, day);
  for (int day = 3; day <= kMostLeadDay; ++day) add(kScoredGfsx, day);
  return Fill(
      "Bias removed from the highs and lows: {}; {} of {} cells held back as too few or within the noise.",
      {items.empty() ? "none" : items, std::to_string(biases.heldBackCells),
       std::to_string(biases.heldBackCells + biases.removedCells)});
}
