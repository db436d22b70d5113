#ifndef ORVANNE_FETCH_HTTP_CLIENT_H_
#define ORVANNE_FETCH_HTTP_CLIENT_H_

#include <cstddef>
#include <optional>
#include <string>

// One HTTP(S) GET, the only code that talks to the network. One file per
// platform: libcurl on Linux (http_client_curl.cc, the library loaded at the
// first request by curl_library.cc), the system's WinHTTP on Windows
// (http_client_winhttp.cc). Certificates are always verified.

inline constexpr std::size_t kMaxBodyBytes = 64u * 1024u * 1024u;

struct HttpOptions {
  int connectTimeoutSeconds = 10;
  int timeoutSeconds = 60;  // the whole request, redirects included
  int maxRedirects = 5;
  std::size_t maxBodyBytes = kMaxBodyBytes;
  std::string userAgent;  // "orvanne-forecast/1.2.0"
};

// An answer of the server, whatever its status.
struct HttpResponse {
  long status = 0;
  std::string body;
  // A Retry-After of whole seconds; an HTTP date there is not read.
  std::optional<int> retryAfterSeconds;
};

// Why no answer came. The first three may pass if tried again later.
enum class HttpFailure {
  kTimedOut,      // the connection or the whole request took too long
  kNoConnection,  // no connection could be made, or it broke
  kCutShort,      // the body ended before its announced length
  kTooLarge,      // the body runs past maxBodyBytes
  kInsecure,      // the secure connection failed (a certificate, TLS)
  kOther,         // anything else: a certificate, too many redirects, ...
  kNoClient,      // the HTTP client itself could not be loaded (libcurl)
};

// Fetches `url`. True with `response` filled when the server answered,
// whatever the status; false with `failure` and `err` (a few words, such as
// "timed out") when it did not. Follows up to maxRedirects redirects.
bool HttpGet(const std::string& url, const HttpOptions& options,
             HttpResponse* response, HttpFailure* failure, std::string* err);

// How an err of HttpGet names each failure but kOther and kNoClient, the same words on
// every platform: "timed out", "no connection", ...
std::string HttpFailureText(HttpFailure failure, const HttpOptions& options);

#endif  // ORVANNE_FETCH_HTTP_CLIENT_H_
