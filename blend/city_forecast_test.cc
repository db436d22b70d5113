#include "blend/city_forecast.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/console_texts.h"

namespace {

TEST(WeightStationsTest, TheWeightsAddUpToSlightlyMoreThanOne) {
  EXPECT_DOUBLE_EQ(WeightStations({1, 1, 1, 1}), 1.000004146);
  EXPECT_EQ(Written(WeightStations({50, 50, 50, 50})), "50.0002");
  EXPECT_EQ(WeightStations({0, 0, 0, 0}), 0);
  EXPECT_NEAR(WeightStations({50, 50, 50, 50}), 50.0002073, 1e-9);
}

TEST(WeightStationsTest, EachStationHasItsOwnWeight) {
  EXPECT_DOUBLE_EQ(WeightStations({0, 0, 0, 100}), 25.151496);
  EXPECT_DOUBLE_EQ(WeightStations({100, 0, 0, 0}), 35.3460408);
  EXPECT_EQ(Written(WeightStations({50, 52, 48, 47})), "49.1731");
  EXPECT_LT(WeightStations({-5, -10, -1, -3}), 0);
}

TEST(WeightStationsTest, AddsInStationOrder) {
  const double expected =
      ((7 * 0.353460408 + -3 * 0.1793834) + 11 * 0.215645378) + 2 * 0.25151496;
  EXPECT_EQ(WeightStations({7, -3, 11, 2}), expected);
}

TEST(BlendModelsTest, TheFirstRatioGoesWithTheFirstHalf) {
  const BlendSet set{50, 50, 50, 50, 40, 40, 40, 40};
  EXPECT_EQ(BlendModels(1, 0, set), WeightStations({50, 50, 50, 50}));
  EXPECT_EQ(BlendModels(0, 1, set), WeightStations({40, 40, 40, 40}));
  EXPECT_EQ(Written(BlendModels(0.6, 0.4, set)), "46.0002");
}

TEST(BlendModelsTest, RatiosOutsideZeroToOneExtrapolate) {
  const BlendSet set{50, 50, 50, 50, 40, 40, 40, 40};
  const double result = BlendModels(1.5, -0.5, set);
  EXPECT_GT(result, WeightStations({50, 50, 50, 50}));
  EXPECT_NEAR(result, 55.0002, 1e-3);
}

}  // namespace
