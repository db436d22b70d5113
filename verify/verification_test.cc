#include "verify/verification.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/temp_dir.h"
#include "verify/test_archive.h"
#include "verify/verification_table.h"

namespace {

constexpr IssueDate kUntil{2026, 12, 10};

// By hand. GFS: 27 maxima, each +2; 26 minima (9 at KFSD -2, 8 at KHON -2,
// 9 at KMHE -3): sum -61, mean -2.346; all: |54| + |61| = 115 over 53,
// 2.170. NBM: 26 maxima (8 at KFSD +1, 9 at KHON -1, 9 at KMHE +1): sum 8,
// mean 0.308, MAE 1; 26 minima +1; all 52 over 52. Ratio 2.170 / 3.170 =
// 0.685.
TEST(VerificationTest, ScoresTheKnownErrorsOfATestArchive) {
  TempDir dir;
  WriteKnownErrorsArchive(dir.path);
  Verification verification;
  std::string err;
  ASSERT_TRUE(VerifyGuidance(dir.path, kUntil, 10, &verification, &err)) << err;
  EXPECT_EQ(verification.verifiedDays, 9);
  std::ostringstream out;
  PrintVerification(out, verification);
  EXPECT_EQ(
      out.str(),
      "Verification of the 1200 UTC guidance at KFSD, KHON and KMHE, 12/01/2026 to 12/10/2026 (10 days)\n"
      "guidance  forecasts  max bias  max MAE  min bias  min MAE    MAE\n"
      "GFS              53     +2.00     2.00     -2.35     2.35   2.17\n"
      "NBM              52     +0.31     1.00     +1.00     1.00   1.00\n"
      "suggested ratio: 0.68\n");
  EXPECT_EQ(verification.Ratio(), 0.68);
}

TEST(VerificationTest, TooFewVerifiedDaysMakeNoSuggestion) {
  TempDir dir;
  WriteKnownErrorsArchive(dir.path);
  Verification verification;
  std::string err;
  // November 27 to December 6: December 1 to 4 and 6 only.
  EXPECT_FALSE(
      VerifyGuidance(dir.path, {2026, 12, 6}, 10, &verification, &err));
  EXPECT_EQ(
      err,
      "only 5 days could be verified between 11/27/2026 and 12/06/2026; 7 are needed");
  EXPECT_FALSE(
      VerifyGuidance(dir.Path("none"), kUntil, 30, &verification, &err));
  EXPECT_EQ(
      err,
      "only 0 days could be verified between 11/11/2026 and 12/10/2026; 7 are needed");
}

TEST(VerificationTest, MeansRoundHalvesAwayFromZero) {
  const struct {
    long long numerator, denominator;
    std::string bias;
  } cases[] = {{1, 8, "+0.13"},    {-1, 8, "-0.13"}, {0, 3, "+0.00"},
               {-1, 300, "+0.00"}, {-2, 3, "-0.67"}, {250, 2, "+125.00"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatBias({c.denominator, c.numerator, 0}), c.bias)
        << c.numerator << "/" << c.denominator;
  // Both without error: the weight is even.
  EXPECT_EQ(SuggestedRatioHundredths({{2, 0, 0}, {}}, {{2, 0, 0}, {}}), 50);
}

}  // namespace
