#include "blend/city_forecast.h"

#include <algorithm>

namespace {

// Adds the four weighted values starting at `first`, in station order: the
// order of the additions is part of the result's last digits.
double WeightedSum(const std::int32_t* first) {
  double sum = static_cast<double>(first[0]) * kStationWeights[0];
  for (int k = 1; k < kStationCount; ++k)
    sum = sum + static_cast<double>(first[k]) * kStationWeights[k];
  return sum;
}

// The same with each station's bias subtracted from its value first.
// Subtracting a whole-number bias from a whole number in a double is
// exact, so a bias of 2 gives the very sum of values written 2 lower.
double WeightedSumLess(const std::int32_t* first,
                       const std::array<double, kStationCount>& bias) {
  double sum = (static_cast<double>(first[0]) - bias[0]) * kStationWeights[0];
  for (int k = 1; k < kStationCount; ++k)
    sum = sum + (static_cast<double>(first[k]) - bias[k]) * kStationWeights[k];
  return sum;
}

// Each station's bias of one value, 0 where none; false when no station
// has one.
template <typename Pick>
bool StationBiasesOf(const TemperatureBiases& biases, Pick pick,
                     std::array<double, kStationCount>* each) {
  bool any = false;
  for (int s = 0; s < kStationCount; ++s) {
    const std::optional<double>& bias = pick(biases.stations[s]);
    any = any || bias.has_value();
    (*each)[s] = bias.value_or(0);
  }
  return any;
}

// The bulletin gives degrees Fahrenheit; the step applies to the city value,
// never to the station values.
double TemperatureStep(double fahrenheit, UnitSystem units) {
  return units == UnitSystem::kMetric ? FahrenheitToCelsius(fahrenheit)
                                      : fahrenheit;
}

// The blend of element `i` of one short-range field over both models.
template <typename Record, std::size_t N>
double BlendField(const BlendInputs& inputs, const StationRecords<Record>& eta,
                  const StationRecords<Record>& avn,
                  std::array<std::int32_t, N> Record::*field, int i,
                  double (*blend)(double, double,
                                  const BlendSet&) = BlendModels) {
  BlendSet values;
  for (int s = 0; s < kStationCount; ++s) {
    values[s] = (eta[s].*field)[i];
    values[kStationCount + s] = (avn[s].*field)[i];
  }
  return blend(inputs.primaryRatio, inputs.secondaryRatio, values);
}

// The weighting of element `i` of one extended field.
template <typename Record, std::size_t N>
double WeighField(const StationRecords<Record>& ext,
                  std::array<std::int32_t, N> Record::*field, int i) {
  StationSet values;
  for (int s = 0; s < kStationCount; ++s) values[s] = (ext[s].*field)[i];
  return WeightStations(values);
}

// High or low `i` of days 1 and 2 (an "N/X" value) over both models,
// each model's bias at each station taken off when one is given.
double ShortTemperature(const BlendInputs& in, int i) {
  std::array<double, kStationCount> primary;
  std::array<double, kStationCount> secondary;
  const bool anyPrimary = StationBiasesOf(
      in.biases, [i](const auto& b) -> const auto& { return b.primary[i]; },
      &primary);
  const bool anySecondary = StationBiasesOf(
      in.biases, [i](const auto& b) -> const auto& { return b.secondary[i]; },
      &secondary);
  if (!anyPrimary && !anySecondary)
    return BlendField(in, in.primaryTemp, in.secondaryTemp,
                      &ShortTempRecord::nx, i);
  StationSet p;
  StationSet s;
  for (int k = 0; k < kStationCount; ++k) {
    p[k] = in.primaryTemp[k].nx[i];
    s[k] = in.secondaryTemp[k].nx[i];
  }
  return in.primaryRatio * WeightedSumLess(p.data(), primary) +
         in.secondaryRatio * WeightedSumLess(s.data(), secondary);
}

// A high or a low of days 3 to 7, each station's bias taken off when one
// is given.
double ExtendedTemperature(
    const BlendInputs& in,
    std::array<std::int32_t, 5> ExtendedTempRecord::*field, int j,
    std::array<std::optional<double>, 5> StationTemperatureBiases::*biases) {
  std::array<double, kStationCount> each;
  if (!StationBiasesOf(
          in.biases,
          [&](const auto& b) -> const auto& { return (b.*biases)[j]; }, &each))
    return WeighField(in.extendedTemp, field, j);
  StationSet values;
  for (int s = 0; s < kStationCount; ++s)
    values[s] = (in.extendedTemp[s].*field)[j];
  return WeightedSumLess(values.data(), each);
}

// Days 1 and 2 take the first and the second of each pair of short-range
// values.
DayRow ShortRangeDay(const BlendInputs& in, int day, UnitSystem units) {
  const int i = 2 * (day - 1);
  auto blend = [&in](auto field, int k) {
    return BlendField(in, in.primaryTemp, in.secondaryTemp, field, k);
  };
  DayRow row;
  row.day = day;
  row.lowTemp = TemperatureStep(ShortTemperature(in, i), units);
  row.highTemp = TemperatureStep(ShortTemperature(in, i + 1), units);
  row.lowDpt = TemperatureStep(blend(&ShortTempRecord::dpt, i), units);
  row.highDpt = TemperatureStep(blend(&ShortTempRecord::dpt, i + 1), units);
  row.lowProbPrec = blend(&ShortTempRecord::p12, i);
  row.highProbPrec = blend(&ShortTempRecord::p12, i + 1);
  return row;
}

// Days 3 to 7 weigh one extended pair each.
DayRow ExtendedDay(const BlendInputs& in, int day, UnitSystem units) {
  auto weigh = [&in, j = day - 3](auto field) {
    return WeighField(in.extendedTemp, field, j);
  };
  DayRow row;
  row.day = day;
  const int j = day - 3;
  row.lowTemp =
      TemperatureStep(ExtendedTemperature(in, &ExtendedTempRecord::xnFirst, j,
                                          &StationTemperatureBiases::extendedMinimum),
                      units);
  row.highTemp =
      TemperatureStep(ExtendedTemperature(in, &ExtendedTempRecord::xnSecond, j,
                                          &StationTemperatureBiases::extendedMaximum),
                      units);
  row.lowDpt = TemperatureStep(weigh(&ExtendedTempRecord::dptFirst), units);
  row.highDpt = TemperatureStep(weigh(&ExtendedTempRecord::dptSecond), units);
  row.highProbPrec = weigh(&ExtendedTempRecord::p24);
  return row;
}

}  // namespace

double WeightStations(const StationSet& values) {
  return WeightedSum(values.data());
}

double BlendModels(double primaryRatio, double secondaryRatio,
                   const BlendSet& values) {
  return primaryRatio * WeightedSum(values.data()) +
         secondaryRatio * WeightedSum(values.data() + kStationCount);
}

namespace {

constexpr std::int32_t kFullCircle = 36;
constexpr std::int32_t kHalfCircle = 18;

bool IsMixingRatio(double ratio) { return ratio >= 0 && ratio <= 1; }

std::int32_t Spread(const BlendSet& values) {
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  return *high - *low;
}

}  // namespace

double BlendDirections(double primaryRatio, double secondaryRatio,
                       const BlendSet& values) {
  const bool onTheCircle =
      std::all_of(values.begin(), values.end(),
                  [](std::int32_t v) { return v >= 0 && v <= kFullCircle; });
  if (!IsMixingRatio(primaryRatio) || !IsMixingRatio(secondaryRatio) ||
      !onTheCircle || Spread(values) <= kHalfCircle)
    return BlendModels(primaryRatio, secondaryRatio, values);
  BlendSet turned = values;
  for (std::int32_t& v : turned)
    if (v < kHalfCircle) v += kFullCircle;
  if (Spread(turned) > kHalfCircle)
    return BlendModels(primaryRatio, secondaryRatio, values);
  const double blended = BlendModels(primaryRatio, secondaryRatio, turned);
  return blended > kFullCircle ? blended - kFullCircle : blended;
}

CityForecast ComputeCityForecast(const BlendInputs& in, UnitSystem units) {
  CityForecast forecast;
  for (int day = 1; day <= kForecastDays; ++day)
    forecast.days[day - 1] =
        day <= 2 ? ShortRangeDay(in, day, units) : ExtendedDay(in, day, units);
  // Cloud codes in tenths become a fraction of the sky.
  for (int k = 0; k < kShortSkyHours; ++k) {
    SkyRow& row = forecast.sky[k];
    row.hour = 6 + 3 * k;
    row.cloud = BlendField(in, in.primarySky, in.secondarySky,
                           &ShortSkyRecord::cld, k) /
                10.0;
    row.direction = BlendField(in, in.primarySky, in.secondarySky,
                               &ShortSkyRecord::wdr, k, BlendDirections);
    row.speed = WindSpeedInUnits(
        BlendField(in, in.primarySky, in.secondarySky, &ShortSkyRecord::wsp, k),
        units);
  }
  for (int k = 0; k < kExtendedSkyHours; ++k) {
    SkyRow& row = forecast.sky[kShortSkyHours + k];
    row.hour = 72 + 12 * k;
    row.cloud = WeighField(in.extendedSky, &ExtendedSkyRecord::cld, k) / 10.0;
    row.speed = WindSpeedInUnits(
        WeighField(in.extendedSky, &ExtendedSkyRecord::wnd, k), units);
  }
  return forecast;
}
