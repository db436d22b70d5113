#include "common/console.h"
#include "fetch/http_client.h"

std::string HttpFailureText(HttpFailure failure, const HttpOptions& options) {
  switch (failure) {
    case HttpFailure::kTimedOut:
      return "timed out";
    case HttpFailure::kNoConnection:
      return "no connection";
    case HttpFailure::kCutShort:
      return "answer cut short";
    case HttpFailure::kTooLarge:
      return Fill("answer over {} MiB",
                  {std::to_string(options.maxBodyBytes / (1024 * 1024))});
    case HttpFailure::kInsecure:
      return "secure connection failed";
    case HttpFailure::kNoClient:
      return "no HTTP client";
    case HttpFailure::kOther:
      break;
  }
  return "failed";
}
