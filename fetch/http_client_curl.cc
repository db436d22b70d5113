#include "fetch/curl_library.h"
#include "fetch/http_client.h"
#include "fetch/retry_policy.h"

namespace {

// Where libcurl's callbacks put what they receive.
struct Transfer {
  HttpResponse* response;
  std::size_t maxBodyBytes;
  bool tooLarge = false;
};

std::size_t TakeBody(char* data, std::size_t size, std::size_t count,
                     void* user) {
  Transfer& transfer = *static_cast<Transfer*>(user);
  const std::size_t bytes = size * count;
  if (transfer.response->body.size() + bytes > transfer.maxBodyBytes) {
    transfer.tooLarge = true;
    return 0;  // ends the transfer
  }
  transfer.response->body.append(data, bytes);
  return bytes;
}

// Keeps the Retry-After of the last answer; each redirect's answer starts
// its headers with a status line.
std::size_t TakeHeader(char* data, std::size_t size, std::size_t count,
                       void* user) {
  Transfer& transfer = *static_cast<Transfer*>(user);
  const std::string_view line(data, size * count);
  if (line.starts_with("HTTP/")) transfer.response->retryAfterSeconds.reset();
  if (const auto value = HeaderValue(line, "Retry-After"))
    transfer.response->retryAfterSeconds = ParseRetryAfter(*value);
  return size * count;
}

HttpFailure FailureOf(CURLcode code, const Transfer& transfer) {
  if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
    return HttpFailure::kTooLarge;
  switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
      return HttpFailure::kTimedOut;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
      return HttpFailure::kNoConnection;
    case CURLE_PARTIAL_FILE:
      return HttpFailure::kCutShort;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
      return HttpFailure::kInsecure;
    default:
      return HttpFailure::kOther;
  }
}

void SetOptions(const CurlLibrary& library, CURL* curl, const std::string& url,
                const HttpOptions& options, Transfer* transfer) {
  library.easySetopt(curl, CURLOPT_URL, url.c_str());
  library.easySetopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  library.easySetopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  library.easySetopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  library.easySetopt(curl, CURLOPT_MAXREDIRS, long{options.maxRedirects});
  library.easySetopt(curl, CURLOPT_CONNECTTIMEOUT,
                     long{options.connectTimeoutSeconds});
  library.easySetopt(curl, CURLOPT_TIMEOUT, long{options.timeoutSeconds});
  library.easySetopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  library.easySetopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  library.easySetopt(curl, CURLOPT_NOSIGNAL, 1L);
  library.easySetopt(curl, CURLOPT_USERAGENT, options.userAgent.c_str());
  library.easySetopt(curl, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(options.maxBodyBytes));
  library.easySetopt(curl, CURLOPT_WRITEFUNCTION, TakeBody);
  library.easySetopt(curl, CURLOPT_WRITEDATA, transfer);
  library.easySetopt(curl, CURLOPT_HEADERFUNCTION, TakeHeader);
  library.easySetopt(curl, CURLOPT_HEADERDATA, transfer);
}

}  // namespace

bool CurlHttpGet(const CurlLibrary& library, const std::string& url,
                 const HttpOptions& options, HttpResponse* response,
                 HttpFailure* failure, std::string* err) {
  if (!library.loaded) {
    *failure = HttpFailure::kNoClient;
    *err = library.reason;
    return false;
  }
  CURL* curl = library.easyInit();
  if (!curl) {
    *failure = HttpFailure::kOther;
    *err = "no HTTP client";
    return false;
  }
  *response = HttpResponse{};
  Transfer transfer{response, options.maxBodyBytes};
  SetOptions(library, curl, url, options, &transfer);
  const CURLcode code = library.easyPerform(curl);
  if (code == CURLE_OK)
    library.easyGetinfo(curl, CURLINFO_RESPONSE_CODE, &response->status);
  library.easyCleanup(curl);
  if (code == CURLE_OK) return true;
  *failure = FailureOf(code, transfer);
  if (code == CURLE_COULDNT_CONNECT)
    *err = "connection refused";
  else if (code == CURLE_COULDNT_RESOLVE_HOST)
    *err = "no such host";
  else if (*failure != HttpFailure::kOther)
    *err = HttpFailureText(*failure, options);
  else if (code == CURLE_TOO_MANY_REDIRECTS)
    *err = "too many redirects";
  else
    *err = library.easyStrerror(code);
  return false;
}

bool HttpGet(const std::string& url, const HttpOptions& options,
             HttpResponse* response, HttpFailure* failure, std::string* err) {
  return CurlHttpGet(SystemCurl(), url, options, response, failure, err);
}
