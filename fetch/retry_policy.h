#ifndef ORVANNE_FETCH_RETRY_POLICY_H_
#define ORVANNE_FETCH_RETRY_POLICY_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "fetch/http_client.h"

// How often one product is asked for, and how long is waited between: 3
// attempts, after 1 s and then 4 s. A time-out, a failed or broken
// connection, 429 and 5xx are tried again; anything else is final at once.
// The service's Retry-After is honoured up to 60 s.

inline constexpr int kMaxAttempts = 3;
inline constexpr int kMaxRetryAfterSeconds = 60;

// The value of the header line `line` ("Name: value", its end included or
// not) when its name is `name` in any case; none otherwise.
std::optional<std::string_view> HeaderValue(std::string_view line,
                                            std::string_view name);

// A Retry-After value of whole seconds ("1", blanks around allowed); none
// for an HTTP date or anything else.
std::optional<int> ParseRetryAfter(std::string_view value);

// How one attempt ended: an answer with its status and Retry-After, or
// a failure.
struct AttemptResult {
  bool answered = false;
  long status = 0;
  std::optional<int> retryAfterSeconds;
  HttpFailure failure = HttpFailure::kOther;
};

// The seconds to wait before attempt `attemptsMade + 1`, or none when no
// attempt follows: the result is not one tried again, all attempts are
// made, or the service asks for a wait past 60 s. A Retry-After longer
// than the schedule's wait replaces it.
std::optional<int> RetryDelay(int attemptsMade, const AttemptResult& result);

using HttpGetFunction = std::function<bool(
    const std::string& url, const HttpOptions& options, HttpResponse* response,
    HttpFailure* failure, std::string* err)>;
using SleepFunction = std::function<void(int seconds)>;

// The last attempt's result after all the tries.
struct FetchOutcome {
  bool ok = false;  // an answer of status 200
  bool answered = false;  // the last attempt had an answer, whatever its status
  HttpFailure failure = HttpFailure::kOther;  // when it had none
  HttpResponse response;
  int attempts = 0;
  std::string reason;  // when not ok: "HTTP 503", "timed out", ...
};

// Asks for `url` through `get` until an attempt ends for good, calling
// `sleep` for each wait between attempts.
FetchOutcome GetWithRetries(const std::string& url, const HttpOptions& options,
                            const HttpGetFunction& get,
                            const SleepFunction& sleep);

#endif  // ORVANNE_FETCH_RETRY_POLICY_H_
