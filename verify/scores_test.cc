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

// The root rounded once from the exact value: 100 sqrt(1 / 64) = 12.5
// and 100 sqrt(9 / 40000) = 1.5 are halves, up; sqrt(2) = 1.414.
TEST(ScoresTest, TheRootMeanSquareRoundsOnceFromTheExactRoot) {
  const long long cases[][3] = {{2, 1, 141},     {1, 64, 13}, {9, 40000, 2},
                                {0, 5, 0},       {165, 30, 235},
                                {10000, 1, 10000}};
  for (const auto& c : cases)
    EXPECT_EQ(RoundedRootHundredths(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
  ErrorSums sums;
  for (int error : {1, -1, 3, -3}) sums.AddError(error);  // sqrt(20 / 4)
  EXPECT_EQ(RmseHundredths(sums), 224);
  EXPECT_EQ(RmseHundredths(sums, 100), 2);  // errors in hundredths
}

}  // namespace
