#include "verify/city_observation.h"

#include "blend/city_forecast.h"
#include "verify/period_scores.h"

std::optional<double> CityObserved(const ArchiveDay& day, Element element) {
  double weighted = 0;
  double weights = 0;
  for (int s = 0; s < kStationCount; ++s) {
    if (!day[s].observed) continue;
    const std::optional<int> value = ElementOf(*day[s].observed, element);
    if (!value) continue;
    weighted += kStationWeights[s] * *value;
    weights += kStationWeights[s];
  }
  if (weights == 0) return std::nullopt;
  return weighted / weights;
}
