#include "blend/temperature_biases.h"

#include <gtest/gtest.h>

#include <sstream>

#include "blend/blend_report.h"
#include "blend/city_forecast.h"

namespace {

std::string Report(const BlendInputs& inputs, UnitSystem units) {
  std::ostringstream report;
  WriteBlendReport(report, ComputeCityForecast(inputs, units), units);
  return report.str();
}

// Whole-number biases give, to the last digit, the forecast of a bulletin
// whose highs and lows were written that much lower by hand; the dew points
// and chances stay as they are.
TEST(TemperatureBiasesTest, ABiasIsTheBulletinWrittenThatMuchLower) {
  BlendInputs given;
  for (int s = 0; s < kStationCount; ++s) {
    given.primaryTemp[s] = {{30 + s, 50 + 2 * s, 28 - s, 52 + 3 * s},
                            {20, 21 + s, 22, 23},
                            {10, 20, 30 + s, 40}};
    given.secondaryTemp[s] = {{33 - s, 47 + s, 31, 55 - 2 * s},
                              {19, 20, 21 - s, 22},
                              {15, 25, 35, 45 - s}};
    for (int j = 0; j < 5; ++j) {
      given.extendedTemp[s].xnFirst[j] = 25 + j - s;
      given.extendedTemp[s].xnSecond[j] = 45 + 2 * j + s;
      given.extendedTemp[s].dptFirst[j] = 18 + s;
    }
  }
  given.primaryRatio = 0.62;
  given.secondaryRatio = 0.38;
  BlendInputs lowered = given;
  // Each station its own biases; KBKX's day-2 primary high and KHON's
  // whole secondary none.
  for (int s = 0; s < kStationCount; ++s) {
    StationTemperatureBiases& b = given.biases.stations[s];
    b.primary = {1.0 + s, -2.0, 3.0 - s, s == 0 ? std::nullopt
                                                : std::optional<double>(s)};
    if (s != 1) b.secondary = {std::nullopt, 2.0 * s, -1.0, 4.0};
    b.extendedMinimum = {-3.0, -4.0 + s, std::nullopt, 5.0, -7.0};
    b.extendedMaximum = {3.0 - s, std::nullopt, 5.0, -6.0, 7.0 + s};
  }
  const auto off = [](std::int32_t& value, const std::optional<double>& b) {
    value -= static_cast<std::int32_t>(b.value_or(0));
  };
  for (int s = 0; s < kStationCount; ++s) {
    const StationTemperatureBiases& b = given.biases.stations[s];
    for (int i = 0; i < 4; ++i) {
      off(lowered.primaryTemp[s].nx[i], b.primary[i]);
      off(lowered.secondaryTemp[s].nx[i], b.secondary[i]);
    }
    for (int j = 0; j < 5; ++j) {
      off(lowered.extendedTemp[s].xnFirst[j], b.extendedMinimum[j]);
      off(lowered.extendedTemp[s].xnSecond[j], b.extendedMaximum[j]);
    }
  }
  for (UnitSystem units : {UnitSystem::kStandard, UnitSystem::kMetric}) {
    const CityForecast biased = ComputeCityForecast(given, units);
    const CityForecast byHand = ComputeCityForecast(lowered, units);
    for (int d = 0; d < kForecastDays; ++d) {
      EXPECT_EQ(biased.days[d].lowTemp, byHand.days[d].lowTemp) << d;
      EXPECT_EQ(biased.days[d].highTemp, byHand.days[d].highTemp) << d;
      EXPECT_EQ(biased.days[d].highDpt, byHand.days[d].highDpt) << d;
    }
    EXPECT_EQ(Report(given, units), Report(lowered, units));
    BlendInputs unbiased = given;
    unbiased.biases = {};
    EXPECT_NE(Report(unbiased, units), Report(lowered, units));
    // One station's bias alone moves the city value by its weight.
    BlendInputs one = unbiased;
    one.biases.stations[3].extendedMaximum[0] = 2.0;
    EXPECT_NEAR(ComputeCityForecast(unbiased, units).days[2].highTemp -
                    ComputeCityForecast(one, units).days[2].highTemp,
                (units == UnitSystem::kMetric ? 2.0 / 1.8 : 2.0) *
                    kStationWeights[3],
                1e-9);
  }
}

}  // namespace
