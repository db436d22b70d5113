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

// Expected values worked by hand from the four station weights.
TEST(BlendDirectionsTest, WindsAcrossNorthBlendToNorth) {
  struct Case {
    const char* what;
    double primary, secondary;
    BlendSet directions;
    double expected;
  };
  const Case cases[] = {
      {"crossing north, above 36 once turned", 0.6, 0.4,
       {35, 1, 2, 34, 36, 2, 3, 35}, 0.1543347424},
      {"crossing north, under 36 once turned", 1, 0,
       {34, 35, 1, 33, 0, 0, 0, 0}, 34.574945538},
      {"a calm 00 among northerly winds counts as north", 0.5, 0.5,
       {0, 35, 1, 0, 36, 0, 2, 34}, 35.982410663},
      {"a calm 00 among southerly winds stays as it is", 0.5, 0.5,
       {0, 17, 19, 20, 18, 19, 20, 21}, 15.771186423},
      {"not crossing north", 0.6, 0.4,
       {20, 22, 21, 19, 20, 21, 22, 23}, 20.7399088652},
      {"an extrapolating ratio", 1.5, -0.5,
       {35, 1, 2, 34, 36, 2, 3, 35}, 21.033295003},
      {"a value outside 0 to 36", 0.6, 0.4,
       {35, 1, 2, 34, 36, 2, 3, 99}, 28.3720817104},
      {"spread over more than half the circle", 0.6, 0.4,
       {1, 10, 20, 30, 1, 10, 20, 30}, 14.005650768},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(BlendDirections(c.primary, c.secondary, c.directions),
                c.expected, 1e-9)
        << c.what;
}
