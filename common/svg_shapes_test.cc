#include "common/svg_shapes.h"

#include <gtest/gtest.h>

namespace {

TEST(SvgShapesTest, PointsWithOneDecimal) {
  EXPECT_EQ(PointList({{1, 2.26}, {-0.01, 300}}), "1.0,2.3 0.0,300.0");
}

}  // namespace
