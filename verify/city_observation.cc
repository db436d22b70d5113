#include "verify/city_observation.h"

#include "blend/city_forecast.h"
#include "products/stations.h"
#include "verify/period_scores.h"

namespace {

// The 1200 Model weight of the climate station `c` (kClimateStations).
double WeightOf(std::size_t c) {
  for (int s = 0; s < kStationCount; ++s)
    if (kBulletinStations[s] == kClimateStations[c]) return kStationWeights[s];
  return 0;
}

}  // namespace

std::optional<double> CityObserved(const ArchiveDay& day, Element element) {
  double weighted = 0;
  double weights = 0;
  for (std::size_t c = 0; c < kClimateStations.size(); ++c) {
    if (!day[c].observed) continue;
    const std::optional<int> value = ElementOf(*day[c].observed, element);
    if (!value) continue;
    weighted += WeightOf(c) * *value;
    weights += WeightOf(c);
  }
  if (weights == 0) return std::nullopt;
  return weighted / weights;
}
