#ifndef ORVANNE_BLEND_STATION_WEIGHTS_H_
#define ORVANNE_BLEND_STATION_WEIGHTS_H_

#include <array>
#include <cstdint>

#include "blend/bulletin_stations.h"

// How much each station counts for the city, in station order. They add up
// to 1.000004146 and are used as they stand: four equal values v weigh to
// slightly more than v.
inline constexpr std::array<double, kStationCount> StationWeights{
    0.353460408, 0.1793834, 0.215645378, 0.25151496};

// One value of one quantity from each station, in station order.
using StationSet = std::array<std::int32_t, kStationCount>;

// The same quantity from two models: the "ETA" stations, then the "AVN"
// stations, each in station order.
using BlendSet = std::array<std::int32_t, 2 * kStationCount>;

// The city value of one model: the weighted station values added in station
// order.
double WeightStations(const StationSet& values);

// `etaRatio` times the weighted "ETA" half plus `avnRatio` times the weighted
// "AVN" half. The ratios are taken as given, also outside 0 to 1.
double BlendModels(double etaRatio, double avnRatio, const BlendSet& values);

#endif  // ORVANNE_BLEND_STATION_WEIGHTS_H_
