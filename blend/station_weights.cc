#include "blend/station_weights.h"

namespace {

// Adds the four weighted values starting at `first`, in station order: the
// order of the additions is part of the result's last digits.
double WeightedSum(const std::int32_t* first) {
  double sum = static_cast<double>(first[0]) * StationWeights[0];
  for (int k = 1; k < kStationCount; ++k)
    sum = sum + static_cast<double>(first[k]) * StationWeights[k];
  return sum;
}

}  // namespace

double WeightStations(const StationSet& values) {
  return WeightedSum(values.data());
}

double BlendModels(double etaRatio, double avnRatio, const BlendSet& values) {
  return etaRatio * WeightedSum(values.data()) +
         avnRatio * WeightedSum(values.data() + kStationCount);
}
