#include "fetch/retry_policy.h"

#include <array>

#include "common/console.h"
#include "common/token_reads.h"

namespace {

// The schedule's wait after the first and after the second attempt.
constexpr std::array<int, kMaxAttempts - 1> kScheduledDelays{1, 4};

bool IsTriedAgain(const AttemptResult& result) {
  if (result.answered)
    return result.status == 429 ||
           (result.status >= 500 && result.status < 600);
  return result.failure == HttpFailure::kTimedOut ||
         result.failure == HttpFailure::kNoConnection ||
         result.failure == HttpFailure::kCutShort;
}

}  // namespace

std::optional<std::string_view> HeaderValue(std::string_view line,
                                            std::string_view name) {
  if (line.size() <= name.size() || line[name.size()] != ':' ||
      !StartsWithAnyCase(line, name))
    return {};
  return TrimBlanks(line.substr(name.size() + 1));
}

std::optional<int> ParseRetryAfter(std::string_view value) {
  value = TrimBlanks(value);
  if (value.empty() || value.size() > 9) return {};
  int seconds = 0;
  for (const char c : value) {
    if (!IsDigit(c)) return {};
    seconds = seconds * 10 + (c - '0');
  }
  return seconds;
}

std::optional<int> RetryDelay(int attemptsMade, const AttemptResult& result) {
  if (attemptsMade >= kMaxAttempts || !IsTriedAgain(result)) return {};
  int delay = kScheduledDelays[attemptsMade - 1];
  if (result.answered && result.retryAfterSeconds) {
    if (*result.retryAfterSeconds > kMaxRetryAfterSeconds) return {};
    if (*result.retryAfterSeconds > delay) delay = *result.retryAfterSeconds;
  }
  return delay;
}

FetchOutcome GetWithRetries(const std::string& url, const HttpOptions& options,
                            const HttpGetFunction& get,
                            const SleepFunction& sleep) {
  FetchOutcome outcome;
  while (true) {
    ++outcome.attempts;
    outcome.response = HttpResponse{};
    AttemptResult result;
    std::string err;
    result.answered =
        get(url, options, &outcome.response, &result.failure, &err);
    outcome.answered = result.answered;
    outcome.failure = result.failure;
    if (result.answered) {
      result.status = outcome.response.status;
      result.retryAfterSeconds = outcome.response.retryAfterSeconds;
      outcome.ok = result.status == 200;
      outcome.reason = Fill("HTTP {}", {std::to_string(result.status)});
    } else {
      outcome.reason = err;
    }
    if (outcome.ok) return outcome;
    const std::optional<int> delay = RetryDelay(outcome.attempts, result);
    if (!delay) return outcome;
    sleep(*delay);
  }
}
