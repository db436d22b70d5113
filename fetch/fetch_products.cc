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
// come later, whether it answered "not issued yet" during its day, and
// whether the whole fetch stops there.
struct Asked {
  std::string line;
  bool tryLater = false;
  bool notIssuedYet = false;
  FetchStop stop = FetchStop::kNone;
  std::string reason{};  // the service's failure, when it stops on one
  bool written = false;  // a new file of the id is in the archive
};

bool MayComeLater(const FetchOutcome& outcome) {
  if (outcome.answered)
    return outcome.response.status == 429 || outcome.response.status >= 500;
  return outcome.failure != HttpFailure::kTooLarge &&
         outcome.failure != HttpFailure::kOther &&
         outcome.failure != HttpFailure::kNoClient;
}

// The first id's outcome when it says the service is not there or not
// serving: no connection at all, only 503 or 429, only time-outs, or a
// refusal no service of this query gives.
std::optional<Asked> NoServiceThere(const FetchRequest& request,
                                    const FetchOutcome& outcome) {
  const std::string_view host = ServiceHost(request.source);
  const std::string attempts = std::to_string(outcome.attempts);
  const long status = outcome.response.status;
  if (!outcome.answered && (outcome.failure == HttpFailure::kNoConnection ||
                            outcome.failure == HttpFailure::kInsecure))
    return Asked{
        Fill("The product service at {} could not be reached ({}); nothing was fetched.",
             {host, outcome.reason}),
        true, false, FetchStop::kUnreachable, outcome.reason};
  if (!outcome.answered && outcome.failure == HttpFailure::kTimedOut)
    return Asked{
        Fill("The product service at {} did not answer in time ({} attempts of {} s); nothing was fetched.",
             {host, attempts, std::to_string(request.timeoutSeconds)}),
        true, false, FetchStop::kTimedOut, outcome.reason};
  if (outcome.answered && (status == 503 || status == 429))
    return Asked{
        outcome.attempts == 1
            ? Fill("The product service at {} is not serving now ({} after 1 attempt); nothing was fetched.",
                   {host, outcome.reason})
            : Fill("The product service at {} is not serving now ({} after {} attempts); nothing was fetched.",
                   {host, outcome.reason, attempts}),
        true, false, FetchStop::kOnlyBusy, outcome.reason};
  if (outcome.answered && status >= 400 && status < 500)
    return Asked{
        Fill("The product service at {} answered {}; --source must be the address of the service's retrieve.py, as the default {} is.",
             {host, outcome.reason, kProductService}),
        false, false, FetchStop::kWrongAddress, outcome.reason};
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
    if (!outcome.answered && outcome.failure == HttpFailure::kNoClient)
      return {Fill("fetch needs libcurl (Debian: libcurl4); it could not be loaded: {}",
                   {outcome.reason}),
              false, false, FetchStop::kNoClient};
    if (first)
      if (const auto none = NoServiceThere(request, outcome)) return *none;
    return {FailedLine(id, outcome), MayComeLater(outcome)};
  }
  const std::string& body = outcome.response.body;
  if (IsNotIssuedAnswer(body)) {
    if (request.day < tools.today)
      return {Fill("{}: not found at the service", {id})};
    return {Fill("{}: not issued yet", {id}), true, true};
  }
  std::string reason;
  if (!Archive(path, body, &reason))
    return {Fill("{}: could not be written to {} ({})", {id, path, reason})};
  Asked written{ProductsLine(id, body)};
  written.written = true;
  return written;
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

// Removes the folders the fetch made that it left empty, innermost first.
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

// The result of a fetch that ended on the one line of `asked`.
FetchResult Stopped(const Asked& asked) {
  FetchResult result;
  for (const std::string& id : ProductIds())
    result.missing.push_back({id, asked.tryLater});
  result.stopped = true;
  result.stop = asked.stop;
  result.stopLine = asked.line;
  result.serviceReason = asked.reason;
  return result;
}

}  // namespace

bool ServiceFailedForNow(FetchStop stop) {
  return stop == FetchStop::kUnreachable || stop == FetchStop::kOnlyBusy ||
         stop == FetchStop::kTimedOut;
}

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
    const Asked asked{
        Fill("The archive folder {} could not be made ({}).", {folder, reason}),
        false, false, FetchStop::kNoFolder};
    PrintLine(err, asked.line);
    return Stopped(asked);
  }
  ProgressLine progress(err, tools.progress);
  FetchResult result;
  const std::vector<std::string> ids = ProductIds();
  // The lines of the ids so far while each answered "not issued yet": held
  // back, so that a day with nothing out yet is one line.
  std::vector<std::string> heldLines;
  bool nothingIssued = true;
  bool first = true;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const std::string path = ArchivedProduct(request.archive, request.day, ids[i]);
    Asked asked{Fill("{}: kept from the archive", {ids[i]})};
    const bool final = IsFinal(path, request.day);
    if (!final) {
      progress.Show(Fill("fetching {} ({} of {})",
                         {ids[i], std::to_string(i + 1),
                          std::to_string(ids.size())}));
      asked = FetchOne(request, tools, ids[i], path, first);
      first = false;
    }
    progress.Clear();
    if (nothingIssued && asked.notIssuedYet) {
      heldLines.push_back(asked.line);
    } else {
      for (const std::string& line : heldLines) PrintLine(err, line);
      heldLines.clear();
      nothingIssued = false;
      const bool serviceStop = ServiceFailedForNow(asked.stop) ||
                               asked.stop == FetchStop::kWrongAddress;
      if (request.sayServiceStop || !serviceStop) PrintLine(err, asked.line);
    }
    if (asked.stop != FetchStop::kNone) {
      RemoveMadeFolders(made);
      FetchResult stopped = Stopped(asked);
      stopped.notRefreshed.push_back(ids[i]);
      for (std::size_t rest = i + 1; rest < ids.size(); ++rest)
        if (!IsFinal(ArchivedProduct(request.archive, request.day, ids[rest]),
                     request.day))
          stopped.notRefreshed.push_back(ids[rest]);
      return stopped;
    }
    if (!final && !asked.written) result.notRefreshed.push_back(ids[i]);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
      result.missing.push_back({ids[i], asked.tryLater});
  }
  RemoveMadeFolders(made);
  if (nothingIssued && !ids.empty()) {
    const Asked none{
        "None of the day's 15 products is issued yet; try again later.", true,
        true, FetchStop::kNothingIssued};
    PrintLine(err, none.line);
    FetchResult stopped = Stopped(none);
    stopped.notRefreshed = ids;
    return stopped;
  }
  return result;
}
