#include "plot/scale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ScaleTest, RoundEndsAndStepsHoldEveryValue) {
  const struct {
    std::string what;
    std::vector<double> values;
    int ticks;
    double minStep;
    Scale scale;
  } cases[] = {
      // 40 widened to 37.5 .. 42.5, then out to whole degrees.
      {"a constant series", {40, 40, 40}, 5, 1, {37, 43, 1}},
      // 16.8 degrees in five steps: 3.36 rounds up to 5.
      {"negative temperatures", {-3.2, -12.7, 4.1}, 5, 1, {-15, 5, 5}},
      {"a span of 0.3 widened", {-1.1, -0.8}, 4, 1, {-3, 2, 1}},
      {"no values", {}, 4, 1, {0, 4, 1}},
      {"wide", {0, 12.5, 97}, 4, 1, {0, 100, 50}},
  };
  for (const auto& c : cases) {
    const Scale scale = RoundScale(c.values, c.ticks, c.minStep);
    EXPECT_DOUBLE_EQ(scale.low, c.scale.low) << c.what;
    EXPECT_DOUBLE_EQ(scale.high, c.scale.high) << c.what;
    EXPECT_DOUBLE_EQ(scale.step, c.scale.step) << c.what;
  }
}

TEST(ScaleTest, TicksAndPositions) {
  const Scale scale{-15, 5, 5};
  EXPECT_EQ(Ticks(scale), (std::vector<double>{-15, -10, -5, 0, 5}));
  // Drawing units grow downwards: the low end at 300, the high end at 100.
  EXPECT_DOUBLE_EQ(Position(scale, -15, 300, 100), 300);
  EXPECT_DOUBLE_EQ(Position(scale, 0, 300, 100), 150);
  EXPECT_DOUBLE_EQ(Position(scale, 20, 300, 100), 100);
  EXPECT_DOUBLE_EQ(Position(scale, -40, 300, 100), 300);
}

}  // namespace
