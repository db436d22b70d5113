#include "fetch/fetch_products.h"

#include <chrono>
#include <optional>
#include <filesystem>
#include <system_error>
#include <thread>

#include "common/console.h"
#include "common/replace_file.h"
#include "fetch/fetched_product.h"
#include "products/archive.h"

namespace {

// A line rewritten in place on a terminal, cleared before each real line.
class ProgressLine {
 public:
  ProgressLine(std::ostream& err, bool shown) : err_(err), shown_(shown) {}

  void Show(const std::string& text) {
    if (!shown_) return;
    Clear();
    err_ << text << std::flush;
    width_ = text.size();
  }

  void Clear() {
    if (!shown_ || width_ == 0) return;
    err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    width_ = 0;
  }

 private:
  std::ostream& err_;
  bool shown_;
  std::size_t width_ = 0;
};

std::string ProductsLine(std::string_view id, const std::string& body) {
  const std::string kilobytes = std::to_string(KilobytesOf(body.size()));
  const int products = CountProducts(body);
  if (products == 1) return Fill("{}: 1 product, {} KB", {id, kilobytes});
  return Fill("{}: {} products, {} KB",
              {id, std::to_string(products), kilobytes});
}

std::string FailedLine(std::string_view id, const FetchOutcome& outcome) {
  if (outcome.attempts == 1)
    return Fill("{}: failed after 1 attempt ({})", {id, outcome.reason});
  return Fill("{}: failed after {} attempts ({})",
              {id, std::to_string(outcome.attempts), outcome.reason});
}

// How asking for one id ended: its line, whether it is missing and may
// come later, and whether the whole fetch stops.
struct Asked {
  std::string line;
  bool tryLater = false;
  bool stop = false;
};

bool MayComeLater(const FetchOutcome& outcome) {
  if (outcome.answered)
    return outcome.response.status == 429 || outcome.response.status >= 500;
  return outcome.failure != HttpFailure::kTooLarge &&
         outcome.failure != HttpFailure::kOther;
}

// The first id's answer that says the service is not there: no connection
// at all, or a refusal no service of this query gives.
std::optional<Asked> NoServiceThere(const FetchRequest& request,
                                    const FetchOutcome& outcome) {
  const std::string_view host = ServiceHost(request.source);
  if (!outcome.answered && (outcome.failure == HttpFailure::kNoConnection ||
                            outcome.failure == HttpFailure::kInsecure))
    return Asked{
        Fill("The product service at {} could not be reached ({}); nothing was fetched.",
             {host, outcome.reason}),
        true, true};
  const long status = outcome.response.status;
  if (outcome.answered && status >= 400 && status < 500 && status != 429)
    return Asked{
        Fill("The product service at {} answered {}; --source must be the address of the service's retrieve.py, as the default {} is.",
             {host, outcome.reason, kProductService}),
        false, true};
  return std::nullopt;
}

// Writes the answer whole into the archive.
bool Archive(const std::string& path, const std::string& body,
             std::string* reason) {
  ReplaceFailure failure;
  return ReplaceFile(
      path,
      [&](std::ostream& to) {
        to.write(body.data(), static_cast<std::streamsize>(body.size()));
        return to.good();
      },
      &failure, reason);
}

// Asks for one id and writes what came.
Asked FetchOne(const FetchRequest& request, const FetchTools& tools,
               std::string_view id, const std::string& path, bool first) {
  HttpOptions options;
  options.timeoutSeconds = request.timeoutSeconds;
  options.userAgent = UserAgent();
  const FetchOutcome outcome =
      GetWithRetries(ProductUrl(request.source, id, request.day), options,
                     tools.get, tools.sleep);
  if (!outcome.ok) {
    if (first)
      if (const auto none = NoServiceThere(request, outcome)) return *none;
    return {FailedLine(id, outcome), MayComeLater(outcome)};
  }
  const std::string& body = outcome.response.body;
  if (IsNotIssuedAnswer(body)) {
    if (request.day < tools.today)
      return {Fill("{}: not found at the service", {id})};
    return {Fill("{}: not issued yet", {id}), true};
  }
  std::string reason;
  if (!Archive(path, body, &reason))
    return {Fill("{}: could not be written to {} ({})", {id, path, reason})};
  return {ProductsLine(id, body)};
}

}  // namespace

FetchTools SystemFetchTools() {
  return FetchTools{
      HttpGet,
      [](int seconds) {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
      },
      StandardErrorIsTerminal(), TodayUtc()};
}

namespace {

// Removes the folders the fetch made, when it stops before writing any.
void RemoveMadeFolders(const std::vector<std::string>& made) {
  std::error_code error;
  for (auto folder = made.rbegin(); folder != made.rend(); ++folder)
    if (std::filesystem::is_empty(*folder, error))
      std::filesystem::remove(*folder, error);
}

// Makes the day folder and any folder above it that is missing; `made`
// lists those it made, the outermost first.
bool MakeDayFolder(const std::string& folder, std::vector<std::string>* made,
                   std::string* reason) {
  std::error_code error;
  std::vector<std::filesystem::path> missing;
  for (std::filesystem::path path = folder;
       !path.empty() && !std::filesystem::exists(path, error);
       path = path.parent_path()) {
    missing.push_back(path);
    if (path == path.parent_path()) break;
  }
  for (auto path = missing.rbegin(); path != missing.rend(); ++path) {
    if (!std::filesystem::create_directory(*path, error) && error) {
      *reason = error.message();
      return false;
    }
    made->push_back(path->string());
  }
  if (std::filesystem::is_directory(folder, error)) return true;
  *reason = "not a folder";
  return false;
}

FetchResult AllMissing(bool tryLater, bool stopped) {
  FetchResult result;
  for (const std::string& id : ProductIds())
    result.missing.push_back({id, tryLater});
  result.stopped = stopped;
  return result;
}

}  // namespace

ExitStatus StatusOf(const std::vector<MissingProduct>& missing) {
  if (missing.empty()) return ExitStatus::kWritten;
  for (const MissingProduct& product : missing)
    if (!product.tryLater) return ExitStatus::kRefused;
  return ExitStatus::kTryLater;
}

FetchResult FetchProducts(const FetchRequest& request, const FetchTools& tools,
                          std::ostream& err) {
  const std::string folder = DayFolder(request.archive, request.day);
  std::vector<std::string> made;
  std::string reason;
  if (!MakeDayFolder(folder, &made, &reason)) {
    RemoveMadeFolders(made);
    PrintLine(err, Fill("The archive folder {} could not be made ({}).",
                        {folder, reason}));
    return AllMissing(false, true);
  }
  ProgressLine progress(err, tools.progress);
  FetchResult result;
  const std::vector<std::string> ids = ProductIds();
  bool first = true;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const std::string path = ArchivedProduct(request.archive, request.day, ids[i]);
    Asked asked{Fill("{}: kept from the archive", {ids[i]})};
    if (!IsFinal(path, request.day)) {
      progress.Show(Fill("fetching {} ({} of {})",
                         {ids[i], std::to_string(i + 1),
                          std::to_string(ids.size())}));
      asked = FetchOne(request, tools, ids[i], path, first);
      first = false;
    }
    progress.Clear();
    PrintLine(err, asked.line);
    if (asked.stop) {
      RemoveMadeFolders(made);
      return AllMissing(asked.tryLater, true);
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
      result.missing.push_back({ids[i], asked.tryLater});
  }
  return result;
}
