#include "fetch/fetch_products.h"

#include <chrono>
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

// Asks for one id and writes what came; returns its line.
std::string FetchOne(const FetchRequest& request, const FetchTools& tools,
                     std::string_view id, const std::string& path) {
  HttpOptions options;
  options.timeoutSeconds = request.timeoutSeconds;
  options.userAgent = UserAgent();
  const FetchOutcome outcome =
      GetWithRetries(ProductUrl(request.source, id, request.day), options,
                     tools.get, tools.sleep);
  if (!outcome.ok) return FailedLine(id, outcome);
  const std::string& body = outcome.response.body;
  if (IsNotIssuedAnswer(body)) return Fill("{}: not issued yet", {id});
  ReplaceFailure ignored;
  const bool written = ReplaceFile(
      path,
      [&](std::ostream& to) {
        to.write(body.data(), static_cast<std::streamsize>(body.size()));
        return to.good();
      },
      &ignored);
  if (!written) return Fill("{}: could not be written to {}", {id, path});
  return ProductsLine(id, body);
}

}  // namespace

FetchTools SystemFetchTools() {
  return FetchTools{
      HttpGet,
      [](int seconds) {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
      },
      StandardErrorIsTerminal()};
}

std::vector<std::string> FetchProducts(const FetchRequest& request,
                                       const FetchTools& tools,
                                       std::ostream& err) {
  const std::string folder = DayFolder(request.archive, request.day);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!std::filesystem::is_directory(folder, error)) {
    PrintLine(err, Fill("The archive folder {} could not be made.", {folder}));
    return ProductIds();
  }
  ProgressLine progress(err, tools.progress);
  std::vector<std::string> missing;
  int asked = 0;
  const std::vector<std::string> ids = ProductIds();
  for (const std::string& id : ids) {
    ++asked;
    const std::string path = ArchivedProduct(request.archive, request.day, id);
    std::string line;
    if (IsFinal(path, request.day)) {
      line = Fill("{}: kept from the archive", {id});
    } else {
      progress.Show(
          Fill("fetching {} ({} of {})",
               {id, std::to_string(asked), std::to_string(ids.size())}));
      line = FetchOne(request, tools, id, path);
    }
    progress.Clear();
    PrintLine(err, line);
    if (!std::filesystem::is_regular_file(path, error))
      missing.emplace_back(id);
  }
  return missing;
}
