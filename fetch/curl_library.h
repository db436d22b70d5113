#ifndef ORVANNE_FETCH_CURL_LIBRARY_H_
#define ORVANNE_FETCH_CURL_LIBRARY_H_

#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

#include <string>

#include "fetch/http_client.h"

// libcurl opened at run time rather than linked, so that only a command
// that fetches loads it and its libraries. Linux only.

// The library the client loads: Debian's libcurl4.
inline constexpr const char* kCurlLibrary = "libcurl.so.4";

// The few functions of libcurl the client calls.
struct CurlLibrary {
  bool loaded = false;
  std::string reason;  // when not loaded: why, as the loader said it
  CURL* (*easyInit)() = nullptr;
  CURLcode (*easySetopt)(CURL*, CURLoption, ...) = nullptr;
  CURLcode (*easyPerform)(CURL*) = nullptr;
  CURLcode (*easyGetinfo)(CURL*, CURLINFO, ...) = nullptr;
  void (*easyCleanup)(CURL*) = nullptr;
  const char* (*easyStrerror)(CURLcode) = nullptr;
};

// Opens the library `name`, looks up its functions and runs its global
// initialisation; `loaded` false with `reason` when any step fails. The
// library stays loaded for the rest of the process.
CurlLibrary OpenCurlLibrary(const char* name);

// kCurlLibrary, opened at the first call and kept for the process.
const CurlLibrary& SystemCurl();

// HttpGet through `library`; when it is not loaded, false with the failure
// kNoClient and `err` the library's reason. HttpGet is this on SystemCurl().
bool CurlHttpGet(const CurlLibrary& library, const std::string& url,
                 const HttpOptions& options, HttpResponse* response,
                 HttpFailure* failure, std::string* err);

#endif  // ORVANNE_FETCH_CURL_LIBRARY_H_
