#include "fetch/retry_policy.h"

#include <gtest/gtest.h>

namespace {

AttemptResult Answer(long status, std::optional<int> retryAfter = {}) {
  return AttemptResult{true, status, retryAfter, HttpFailure::kOther};
}

AttemptResult Failure(HttpFailure failure) {
  return AttemptResult{false, 0, {}, failure};
}

TEST(RetryPolicyTest, WhatIsTriedAgainAndAfterHowLong) {
  struct Case {
    int attemptsMade;
    AttemptResult result;
    std::optional<int> delay;
  } cases[] = {
      {1, Answer(503), 1},
      {2, Answer(503), 4},
      {3, Answer(503), std::nullopt},
      {1, Answer(500), 1},
      {1, Answer(599), 1},
      {1, Answer(429, 1), 1},
      {1, Answer(429, 30), 30},
      {2, Answer(429, 2), 4},
      {1, Answer(429, 60), 60},
      {1, Answer(429, 61), std::nullopt},
      {1, Answer(404), std::nullopt},
      {1, Answer(400), std::nullopt},
      {1, Answer(301), std::nullopt},
      {1, Failure(HttpFailure::kTimedOut), 1},
      {2, Failure(HttpFailure::kNoConnection), 4},
      {1, Failure(HttpFailure::kCutShort), 1},
      {1, Failure(HttpFailure::kTooLarge), std::nullopt},
      {1, Failure(HttpFailure::kOther), std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RetryDelay(c.attemptsMade, c.result), c.delay)
        << c.attemptsMade << " " << c.result.status;
}

TEST(RetryPolicyTest, RetryAfterHeaders) {
  EXPECT_EQ(HeaderValue("Retry-After: 1\r\n", "Retry-After"), "1");
  EXPECT_EQ(HeaderValue("retry-after:\t 20 \r\n", "Retry-After"), "20");
  EXPECT_EQ(HeaderValue("Retry-Afterwards: 1\r\n", "Retry-After"),
            std::nullopt);
  EXPECT_EQ(ParseRetryAfter(" 7 "), 7);
  EXPECT_EQ(ParseRetryAfter("Wed, 21 Oct 2026 07:28:00 GMT"), std::nullopt);
  EXPECT_EQ(ParseRetryAfter("-1"), std::nullopt);
  EXPECT_EQ(ParseRetryAfter(""), std::nullopt);
}

}  // namespace
