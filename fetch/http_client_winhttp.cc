#include <windows.h>
#include <winhttp.h>

#include <chrono>

#include "fetch/http_client.h"
#include "fetch/retry_policy.h"

namespace {

using Clock = std::chrono::steady_clock;

// Closes a WinHTTP handle when it goes.
struct Handle {
  HINTERNET value = nullptr;
  ~Handle() {
    if (value) WinHttpCloseHandle(value);
  }
};

// The address is ASCII: the service's and its query's characters are.
std::wstring Widen(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

HttpFailure FailureOf(DWORD code) {
  switch (code) {
    case ERROR_WINHTTP_TIMEOUT:
    case WSAETIMEDOUT:  // wine gives the socket's own code
      return HttpFailure::kTimedOut;
    case WSAECONNREFUSED:
    case WSAECONNRESET:
    case ERROR_WINHTTP_CANNOT_CONNECT:
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
    case ERROR_WINHTTP_CONNECTION_ERROR:
      return HttpFailure::kNoConnection;
    case ERROR_WINHTTP_SECURE_FAILURE:
      return HttpFailure::kInsecure;
    default:
      return HttpFailure::kOther;
  }
}

// The words for a failure of kind kOther.
std::string OtherText(DWORD code) {
  switch (code) {
    case ERROR_WINHTTP_REDIRECT_FAILED:
      return "too many redirects";
    case ERROR_WINHTTP_INVALID_URL:
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
      return "not an address";
    default:
      return "request failed (WinHTTP error " + std::to_string(code) + ")";
  }
}

// The milliseconds left of the whole request, at least 1.
int Remaining(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - Clock::now());
  return left.count() < 1 ? 1 : static_cast<int>(left.count());
}

std::optional<DWORD> NumberHeader(HINTERNET request, DWORD query) {
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (!WinHttpQueryHeaders(request, query | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &value, &size,
                           WINHTTP_NO_HEADER_INDEX))
    return {};
  return value;
}

std::optional<int> RetryAfter(HINTERNET request) {
  wchar_t value[64];
  DWORD size = sizeof(value);
  if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_RETRY_AFTER,
                           WINHTTP_HEADER_NAME_BY_INDEX, value, &size,
                           WINHTTP_NO_HEADER_INDEX))
    return {};
  std::string narrow;
  for (DWORD i = 0; i < size / sizeof(wchar_t); ++i)
    narrow += value[i] < 128 ? static_cast<char>(value[i]) : '?';
  return ParseRetryAfter(narrow);
}

// Reads the body; false with the failure when it cannot be read whole.
bool ReadBody(HINTERNET request, const HttpOptions& options,
              Clock::time_point deadline, std::string* body,
              HttpFailure* failure, DWORD* code) {
  char buffer[65536];
  while (true) {
    const int left = Remaining(deadline);
    WinHttpSetTimeouts(request, left, left, left, left);
    DWORD read = 0;
    if (!WinHttpReadData(request, buffer, sizeof(buffer), &read)) {
      *code = GetLastError();
      const HttpFailure kind = FailureOf(*code);
      *failure =
          kind == HttpFailure::kNoConnection ? HttpFailure::kCutShort : kind;
      return false;
    }
    if (read == 0) break;
    if (body->size() + read > options.maxBodyBytes) {
      *failure = HttpFailure::kTooLarge;
      return false;
    }
    body->append(buffer, read);
    if (Clock::now() >= deadline) {
      *failure = HttpFailure::kTimedOut;
      return false;
    }
  }
  const std::optional<DWORD> length =
      NumberHeader(request, WINHTTP_QUERY_CONTENT_LENGTH);
  if (length && body->size() < *length) {
    *failure = HttpFailure::kCutShort;
    return false;
  }
  return true;
}

// Opens the session, the connection and the request for `url`.
bool OpenRequest(const std::string& url, const HttpOptions& options,
                 Handle* session, Handle* connection, Handle* request) {
  const std::wstring wideUrl = Widen(url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof(parts);
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(wideUrl.c_str(), 0, 0, &parts)) return false;
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  const std::wstring path =
      std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
      std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  session->value = WinHttpOpen(
      Widen(options.userAgent).c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
      WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  if (!session->value) return false;
  DWORD redirects = static_cast<DWORD>(options.maxRedirects);
  WinHttpSetOption(session->value, WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS,
                   &redirects, sizeof(redirects));
  connection->value =
      WinHttpConnect(session->value, host.c_str(), parts.nPort, 0);
  if (!connection->value) return false;
  const DWORD secure =
      parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
  request->value = WinHttpOpenRequest(connection->value, L"GET", path.c_str(),
                                      nullptr, WINHTTP_NO_REFERER,
                                      WINHTTP_DEFAULT_ACCEPT_TYPES, secure);
  return request->value != nullptr;
}

}  // namespace

bool HttpGet(const std::string& url, const HttpOptions& options,
             HttpResponse* response, HttpFailure* failure, std::string* err) {
  const Clock::time_point deadline =
      Clock::now() + std::chrono::seconds(options.timeoutSeconds);
  *response = HttpResponse{};
  Handle session, connection, request;
  bool sent = OpenRequest(url, options, &session, &connection, &request);
  if (sent) {
    const int left = Remaining(deadline);
    WinHttpSetTimeouts(request.value, left,
                       options.connectTimeoutSeconds * 1000, left, left);
    sent = WinHttpSendRequest(request.value, WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                              WINHTTP_NO_REQUEST_DATA, 0, 0, 0) &&
           WinHttpReceiveResponse(request.value, nullptr);
  }
  if (!sent) {
    const DWORD code = GetLastError();
    *failure = FailureOf(code);
    *err = *failure == HttpFailure::kOther ? OtherText(code)
                                           : HttpFailureText(*failure, options);
    return false;
  }
  response->status = static_cast<long>(
      NumberHeader(request.value, WINHTTP_QUERY_STATUS_CODE).value_or(0));
  response->retryAfterSeconds = RetryAfter(request.value);
  DWORD code = 0;
  if (!ReadBody(request.value, options, deadline, &response->body, failure,
                &code)) {
    *err = *failure == HttpFailure::kOther ? OtherText(code)
                                           : HttpFailureText(*failure, options);
    return false;
  }
  return true;
}
