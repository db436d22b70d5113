#include "common/units.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

#include "tests/console_texts.h"

namespace {

TEST(ConversionsTest, TemperaturesMultiplyThenAddAndSubtractThenDivide) {
  EXPECT_EQ(CelsiusToFahrenheit(-40), -40);
  EXPECT_EQ(CelsiusToFahrenheit(100), 212);
  EXPECT_EQ(CelsiusToFahrenheit(0), 32);
  EXPECT_EQ(FahrenheitToCelsius(212), 100);
  EXPECT_EQ(FahrenheitToCelsius(32), 0);
  EXPECT_EQ(Written(FahrenheitToCelsius(0)), "-17.7778");
  EXPECT_EQ(FahrenheitToCelsius(0), (0.0 - 32) / 1.8);
}

TEST(ConversionsTest,
     PressureUsesTheMillibarsPerInchDivisorAndChainsToMillimetres) {
  const double inches = MillibarsToInches(1013.25);
  EXPECT_EQ(inches, 1013.25 / 33.86388158);
  EXPECT_NEAR(inches, 29.92125984, 1e-8);
  EXPECT_EQ(Written(inches), "29.9213");
  const double millimetres = InchesToMillimetres(inches);
  EXPECT_NEAR(millimetres, 759.99999998, 1e-7);
  EXPECT_LT(millimetres, 760.0);
  EXPECT_EQ(Written(millimetres), "760");
  EXPECT_EQ(Written(MillibarsToInches(1000)), "29.53");
}

TEST(ConversionsTest, PrecipitationAndSpeed) {
  EXPECT_EQ(MillimetresToInches(25.4), 1);
  EXPECT_EQ(Written(MillimetresToInches(5)), "0.19685");
  EXPECT_EQ(KnotsToMph(10), 10 * 1.15077945);
  EXPECT_EQ(Written(KnotsToMph(10)), "11.5078");
  EXPECT_EQ(Written(KnotsToKph(10)), "18.52");
}

TEST(ConversionsTest, ZeroStaysZeroButForTemperatures) {
  EXPECT_EQ(MillibarsToInches(0), 0);
  EXPECT_EQ(MillimetresToInches(0), 0);
  EXPECT_EQ(InchesToMillimetres(0), 0);
  EXPECT_EQ(KnotsToMph(0), 0);
  EXPECT_EQ(KnotsToKph(0), 0);
}

TEST(UnitsTest, OnlyOneAndTwoNameAUnitSystem) {
  const std::pair<int, UnitSystem> cases[] = {
      {1, UnitSystem::kStandard}, {2, UnitSystem::kMetric},
      {0, UnitSystem::kAsTyped},  {3, UnitSystem::kAsTyped},
      {-1, UnitSystem::kAsTyped}, {2147483647, UnitSystem::kAsTyped}};
  for (const auto& [answer, units] : cases)
    EXPECT_EQ(UnitSystemFromAnswer(answer), units) << answer;
}

TEST(UnitsTest, WindSpeedAndPotentialTemperatureSteps) {
  EXPECT_EQ(Written(WindSpeedInUnits(10, UnitSystem::kStandard)), "11.5078");
  EXPECT_EQ(Written(WindSpeedInUnits(10, UnitSystem::kMetric)), "18.52");
  EXPECT_EQ(WindSpeedInUnits(10, UnitSystem::kAsTyped), 10);
  EXPECT_EQ(Written(KelvinsToCelsius(300)), "26.8");
}

}  // namespace
