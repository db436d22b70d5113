#include "fetch/curl_library.h"

#include <dlfcn.h>

namespace {

// The symbol `name` of `handle` as a function pointer of the type `*to`.
template <typename Function>
bool LookUp(void* handle, const char* name, Function* to,
            std::string* reason) {
  void* symbol = dlsym(handle, name);
  if (symbol == nullptr) {
    const char* error = dlerror();
    *reason = error != nullptr ? error : name;
    return false;
  }
  *to = reinterpret_cast<Function>(symbol);
  return true;
}

}  // namespace

CurlLibrary OpenCurlLibrary(const char* name) {
  CurlLibrary library;
  void* handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* error = dlerror();
    library.reason = error != nullptr ? error : name;
    return library;
  }
  CURLcode (*globalInit)(long) = nullptr;
  std::string* reason = &library.reason;
  if (!LookUp(handle, "curl_global_init", &globalInit, reason) ||
      !LookUp(handle, "curl_easy_init", &library.easyInit, reason) ||
      !LookUp(handle, "curl_easy_setopt", &library.easySetopt, reason) ||
      !LookUp(handle, "curl_easy_perform", &library.easyPerform, reason) ||
      !LookUp(handle, "curl_easy_getinfo", &library.easyGetinfo, reason) ||
      !LookUp(handle, "curl_easy_cleanup", &library.easyCleanup, reason) ||
      !LookUp(handle, "curl_easy_strerror", &library.easyStrerror, reason)) {
    dlclose(handle);
    return CurlLibrary{false, library.reason};
  }
  if (globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
    library.reason = "its initialisation failed";
    return CurlLibrary{false, library.reason};
  }
  library.loaded = true;
  return library;
}

const CurlLibrary& SystemCurl() {
  static const CurlLibrary library = OpenCurlLibrary(kCurlLibrary);
  return library;
}
