#include "verify/scores.h"

#include <gtest/gtest.h>

namespace {

// The archive's scores are pinned through the program in
// tests/verify_session_test.cc; here the rounding of halves and the even
// weight.
TEST(ScoresTest, MeansRoundHalvesAwayFromZeroAndNoErrorWeighsEvenly) {
  EXPECT_EQ(FormatBias({8, 1, 1}), "+0.13");
  EXPECT_EQ(FormatBias({8, -1, 1}), "-0.13");
  EXPECT_EQ(FormatBias({300, -1, 1}), "+0.00");
  EXPECT_EQ(FormatMae({3, -2, 2}), "0.67");
  EXPECT_EQ(SuggestedRatioHundredths({{2, 0, 0}, {}}, {{2, 0, 0}, {}}), 50);
}

}  // namespace
