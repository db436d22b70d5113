#include "app/fetch_command.h"

#include "app/command_line.h"
#include "common/console.h"
#include "fetch/product_query.h"
#include "products/archive.h"

namespace {

constexpr int kMaxTimeoutSeconds = 3600;

bool TakeFetchOption(const std::string& name, const std::string& value,
                     FetchRequest* request, std::string* err) {
  if (name == "--date") {
    if (!ParseDateOption(value, &request->day, err)) return false;
  } else if (name == "--archive") {
    if (value.empty()) {
      *err = "option --archive needs a folder";
      return false;
    }
    request->archive = value;
  } else if (name == "--source") {
    if (!IsServiceAddress(value)) {
      *err = Fill("the source must be an http:// or https:// address, not '{}'",
                  {value});
      return false;
    }
    request->source = value;
  } else if (name == "--timeout") {
    if (!ParseWhole(value, &request->timeoutSeconds) ||
        request->timeoutSeconds < 1 ||
        request->timeoutSeconds > kMaxTimeoutSeconds) {
      *err = Fill(
          "the time-out must be a whole number of seconds from 1 to 3600, not '{}'",
          {value});
      return false;
    }
  }
  return true;
}

}  // namespace

bool TakeFetchOptions(const Options& options, FetchRequest* request,
                      std::string* err) {
  bool dated = false;
  for (const auto& [name, value] : options) {
    if (!TakeFetchOption(name, value, request, err)) return false;
    dated = dated || name == "--date";
  }
  if (!dated) request->day = TodayUtc();
  std::string folder;
  if (!ArchiveFolder(request->archive, &folder, err)) return false;
  request->archive = folder;
  return true;
}

bool ParseFetchCommand(const std::vector<std::string>& args,
                       FetchRequest* request, std::string* err) {
  Options options;
  std::vector<std::string> operands;
  if (!SplitArguments(args, kFetchOptions, &options, &operands, err))
    return false;
  if (!operands.empty()) {
    *err = Fill("fetch takes no file, not '{}'", {operands[0]});
    return false;
  }
  return TakeFetchOptions(options, request, err);
}

int RunFetchCommand(const FetchRequest& request, Console& console) {
  const std::vector<std::string> missing =
      FetchProducts(request, SystemFetchTools(), console.err);
  return missing.empty() ? kExitWritten : kExitRefused;
}
