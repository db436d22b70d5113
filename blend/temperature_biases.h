#ifndef ORVANNE_BLEND_TEMPERATURE_BIASES_H_
#define ORVANNE_BLEND_TEMPERATURE_BIASES_H_

#include <array>
#include <optional>

#include "products/stations.h"

// Each guidance's recent bias (mean error, °F) of the highs and lows the
// 1200 Model reads at one station, subtracted from that station's values
// before they are weighted. An empty one corrects nothing.
struct StationTemperatureBiases {
  // Sections 1 to 4 (primary) and 5 to 8 (secondary), in the order of the
  // four "N/X" values: day 1's minimum, day 1's maximum, day 2's minimum,
  // day 2's maximum.
  std::array<std::optional<double>, 4> primary;
  std::array<std::optional<double>, 4> secondary;
  // Sections 9 to 12, days 3 to 7: the first and the second value of each
  // kept "X/N" pair.
  std::array<std::optional<double>, 5> extendedMinimum;
  std::array<std::optional<double>, 5> extendedMaximum;
};

// The biases of the four stations, in kBulletinStations' order.
struct TemperatureBiases {
  std::array<StationTemperatureBiases, kStationCount> stations;
};

#endif  // ORVANNE_BLEND_TEMPERATURE_BIASES_H_
