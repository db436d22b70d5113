// The fetch against the stand-in service on 127.0.0.1, in this process, the
// waits between attempts recorded instead of slept.

#include "fetch/fetch_products.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>

#include "fetch/curl_library.h"
#include "products/archive.h"
#include "tests/console_texts.h"
#include "tests/product_server.h"
#include "tests/temp_dir.h"

namespace {

const IssueDate kDay{2026, 12, 8};

struct Fetched {
  std::vector<std::string> lines;
  std::vector<std::string> missing;
  std::vector<bool> tryLater;  // of each missing id
  bool stopped = false;
  FetchResult result;
  std::vector<int> waits;
};

// With a time-out of 1 s, which "slow" answers (2 s) overrun, on `today`
// (by default the products' own day, not over yet), through `get`.
Fetched Fetch(const std::string& source, const std::string& archive,
              const IssueDate& today = kDay,
              const HttpGetFunction& get = HttpGet) {
  Fetched fetched;
  FetchTools tools{get, [&](int seconds) { fetched.waits.push_back(seconds); },
                   false, today};
  std::ostringstream err;
  fetched.result =
      FetchProducts(FetchRequest{kDay, archive, source, 1}, tools, err);
  for (const MissingProduct& product : fetched.result.missing) {
    fetched.missing.push_back(product.id);
    fetched.tryLater.push_back(product.tryLater);
  }
  fetched.stopped = fetched.result.stopped;
  fetched.lines = Lines(err.str());
  return fetched;
}

Fetched Fetch(const ProductServer& server, const std::string& archive) {
  return Fetch(server.Source(), archive);
}

// Sets the file's time to `hours` after the start of kDay, UTC.
void SetWritten(const std::string& path, int hours) {
  const std::chrono::sys_seconds at =
      std::chrono::sys_days{std::chrono::year{2026} / 12 / 8} +
      std::chrono::hours{hours};
  std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(at));
}

TEST(FetchProductsTest, EachFaultOfTheService) {
  struct Case {
    std::string fault;  // "ID=MODE"
    std::string line;   // that id's line
    bool archived;
    int requests;  // for that id
    std::vector<int> waits;
  } cases[] = {
      {"MAVFSD=none", "MAVFSD: 3 products, 5 KB", true, 1, {}},
      {"NBSFSD=503-once", "NBSFSD: 2 products, 4 KB", true, 2, {1}},
      {"NBSFSD=503",
       "NBSFSD: failed after 3 attempts (HTTP 503)",
       false,
       3,
       {1, 4}},
      {"MEXBKX=429-once", "MEXBKX: 2 products, 3 KB", true, 2, {1}},
      {"MAVHON=404", "MAVHON: failed after 1 attempt (HTTP 404)", false, 1, {}},
      {"CLIHON=missing", "CLIHON: not issued yet", false, 1, {}},
      {"MAVMHE=cut",
       "MAVMHE: failed after 3 attempts (answer cut short)",
       false,
       3,
       {1, 4}},
      {"NBSHON=redirect", "NBSHON: 2 products, 4 KB", true, 2, {}},
      {"NBSMHE=loop",
       "NBSMHE: failed after 1 attempt (too many redirects)",
       false,
       6,
       {}},
      {"MEXFSD=huge",
       "MEXFSD: failed after 1 attempt (answer over 64 MiB)",
       false,
       1,
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    ProductServer server({c.fault}, 2);
    TempDir archive;
    const Fetched fetched = Fetch(server, archive.path);
    const std::string id = c.fault.substr(0, 6);
    const std::string path = ArchivedProduct(archive.path, kDay, id);
    ASSERT_EQ(fetched.lines.size(), 15u);
    EXPECT_NE(std::find(fetched.lines.begin(), fetched.lines.end(), c.line),
              fetched.lines.end());
    EXPECT_EQ(FileExists(path), c.archived);
    if (c.archived) {
      EXPECT_EQ(ReadFile(path), ServedProduct(id));
    }
    EXPECT_EQ(fetched.missing, c.archived ? std::vector<std::string>{}
                                          : std::vector<std::string>{id});
    EXPECT_EQ(server.RequestsFor(id), c.requests);
    EXPECT_EQ(server.Requests().size(), 14u + c.requests);
    EXPECT_EQ(fetched.waits, c.waits);
  }
}

// The bad mornings: nothing listening, the service's address without its
// path, a past day the service lacks, its own day before the product.
TEST(FetchProductsTest, WhatTryingAgainLaterMayMend) {
  ProductServer server({"CLIHON=missing", "NBSFSD=503"});
  const std::string root = server.Source().substr(0, server.Source().find("/cgi"));
  const std::string host = root.substr(7);
  struct Case {
    std::string source;
    IssueDate today;
    std::string line;  // the last line
    bool stopped;
    std::vector<bool> tryLater;  // of the missing ids, in their order
  } cases[] = {
      {"http://127.0.0.1:1/cgi-bin/afos/retrieve.py", kDay,
       "The product service at 127.0.0.1:1 could not be reached (connection refused); nothing was fetched.",
       true, std::vector<bool>(15, true)},
      {root, kDay,
       "The product service at " + host +
           " answered HTTP 422; --source must be the address of the service's retrieve.py, as the default https://mesonet.agron.iastate.edu/cgi-bin/afos/retrieve.py is.",
       true, std::vector<bool>(15, false)},
      {server.Source(), {2026, 12, 9}, "CLIMHE: 1 product, 1 KB", false,
       {true, false}},  // NBSFSD failing, CLIHON "not found at the service"
      {server.Source(), kDay, "CLIMHE: 1 product, 1 KB", false, {true, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TempDir dir;
    const Fetched fetched = Fetch(c.source, dir.Path("new/archive"), c.today);
    EXPECT_EQ(fetched.lines.back(), c.line);
    EXPECT_EQ(fetched.stopped, c.stopped);
    EXPECT_EQ(fetched.tryLater, c.tryLater);
    // The folders above the archive are made; a fetch that stopped leaves
    // not even an empty one.
    EXPECT_EQ(std::filesystem::exists(dir.Path("new")), !c.stopped);
  }
  TempDir dir;
  const Fetched past = Fetch(server.Source(), dir.Path("archive"), {2026, 12, 9});
  EXPECT_NE(std::find(past.lines.begin(), past.lines.end(),
                      "CLIHON: not found at the service"),
            past.lines.end());
  EXPECT_EQ(StatusOf({{"NBSFSD", true}, {"CLIHON", false}}),
            ExitStatus::kRefused);
  EXPECT_EQ(StatusOf({{"NBSFSD", true}}), ExitStatus::kTryLater);
}

// How the service failed at the first id asked, on an archive that already
// holds MAVBKX final (kept, so MAVHON is asked first) and MAVHON from
// earlier in the day: one line, a status that says whether it may pass,
// at most 3 requests, and the ids the archive could not refresh.
TEST(FetchProductsTest, TheFirstIdsFailureStopsTheFetch) {
  ProductServer slow({"MAVHON=slow"}, 2);
  ProductServer busy({"MAVHON=503"});
  ProductServer throttled({"MAVHON=429"});
  const std::string root = busy.Source().substr(0, busy.Source().find("/cgi"));
  const auto host = [](const ProductServer& server) {
    return "127.0.0.1:" + std::to_string(server.port);
  };
  std::vector<std::string> notRefreshed = ProductIds();
  notRefreshed.erase(notRefreshed.begin());  // MAVBKX, final
  struct Case {
    std::string source;
    const ProductServer* server;  // whose requests are counted
    FetchStop stop;
    std::string reason;
    std::string line;
    int requests;
    ExitStatus status;
  } cases[] = {
      {"http://127.0.0.1:1/cgi-bin/afos/retrieve.py", nullptr,
       FetchStop::kUnreachable, "connection refused",
       "The product service at 127.0.0.1:1 could not be reached (connection refused); nothing was fetched.",
       0, ExitStatus::kTryLater},
      {busy.Source(), &busy, FetchStop::kOnlyBusy, "HTTP 503",
       "The product service at " + host(busy) +
           " is not serving now (HTTP 503 after 3 attempts); nothing was fetched.",
       3, ExitStatus::kTryLater},
      {throttled.Source(), &throttled, FetchStop::kOnlyBusy, "HTTP 429",
       "The product service at " + host(throttled) +
           " is not serving now (HTTP 429 after 3 attempts); nothing was fetched.",
       3, ExitStatus::kTryLater},
      {slow.Source(), &slow, FetchStop::kTimedOut, "timed out",
       "The product service at " + host(slow) +
           " did not answer in time (3 attempts of 1 s); nothing was fetched.",
       3, ExitStatus::kTryLater},
      {root, &busy, FetchStop::kWrongAddress, "HTTP 422",
       "The product service at " + host(busy) +
           " answered HTTP 422; --source must be the address of the service's retrieve.py, as the default https://mesonet.agron.iastate.edu/cgi-bin/afos/retrieve.py is.",
       1, ExitStatus::kRefused},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TempDir archive;
    std::filesystem::create_directories(DayFolder(archive.path, kDay));
    for (const std::string_view id : {"MAVBKX", "MAVHON"}) {
      const std::string path = ArchivedProduct(archive.path, kDay, id);
      WriteFile(path, "old\n");
      SetWritten(path, id == "MAVBKX" ? 30 : 14);
    }
    const std::size_t before = c.server ? c.server->Requests().size() : 0;
    const Fetched fetched = Fetch(c.source, archive.path);
    EXPECT_EQ(fetched.lines,
              (std::vector<std::string>{"MAVBKX: kept from the archive", c.line}));
    EXPECT_EQ(fetched.result.stop, c.stop);
    EXPECT_EQ(fetched.result.stopLine, c.line);
    EXPECT_EQ(fetched.result.serviceReason, c.reason);
    EXPECT_EQ(ServiceFailedForNow(c.stop), c.status == ExitStatus::kTryLater);
    EXPECT_EQ(StatusOf(fetched.result.missing), c.status);
    EXPECT_EQ(fetched.result.notRefreshed, notRefreshed);
    if (c.server) {
      EXPECT_EQ(c.server->Requests().size() - before,
                static_cast<std::size_t>(c.requests));
    }
    EXPECT_EQ(ReadFile(ArchivedProduct(archive.path, kDay, "MAVHON")), "old\n");
  }
}

// Before anything of the day is out: one line, may come later, and the
// folders the fetch made are gone again. A day already over says each id.
TEST(FetchProductsTest, ADayWithNothingIssuedYet) {
  std::vector<std::string> faults;
  for (const std::string& id : ProductIds()) faults.push_back(id + "=missing");
  ProductServer server(faults);
  TempDir dir;
  const Fetched fetched = Fetch(server.Source(), dir.Path("new/archive"));
  EXPECT_EQ(fetched.lines,
            std::vector<std::string>{
                "None of the day's 15 products is issued yet; try again later."});
  EXPECT_EQ(fetched.result.stop, FetchStop::kNothingIssued);
  EXPECT_FALSE(ServiceFailedForNow(fetched.result.stop));
  EXPECT_EQ(StatusOf(fetched.result.missing), ExitStatus::kTryLater);
  EXPECT_EQ(fetched.result.notRefreshed, ProductIds());
  EXPECT_EQ(server.Requests().size(), 15u);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("new")));

  const Fetched past =
      Fetch(server.Source(), dir.Path("archive"), {2026, 12, 9});
  ASSERT_EQ(past.lines.size(), 15u);
  EXPECT_EQ(past.lines[0], "MAVBKX: not found at the service");
  EXPECT_FALSE(past.stopped);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("archive")));
}

// libcurl that cannot be loaded: the loader's reason in one line, a
// refusal (installing the library mends it, waiting does not), no folder.
TEST(FetchProductsTest, WithoutLibcurl) {
  const CurlLibrary absent = OpenCurlLibrary("libcurl-absent.so.9");
  ASSERT_FALSE(absent.loaded);
  const HttpGetFunction get = [&](const std::string& url,
                                  const HttpOptions& options,
                                  HttpResponse* response, HttpFailure* failure,
                                  std::string* err) {
    return CurlHttpGet(absent, url, options, response, failure, err);
  };
  TempDir dir;
  const Fetched fetched = Fetch("http://127.0.0.1:1/cgi-bin/afos/retrieve.py",
                                dir.Path("archive"), kDay, get);
  // dlerror's words for a file not found.
  EXPECT_EQ(fetched.lines,
            std::vector<std::string>{
                "fetch needs libcurl (Debian: libcurl4); it could not be loaded: libcurl-absent.so.9: cannot open shared object file: No such file or directory"});
  EXPECT_EQ(fetched.result.stop, FetchStop::kNoClient);
  EXPECT_EQ(StatusOf(fetched.result.missing), ExitStatus::kRefused);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("archive")));
}

TEST(FetchProductsTest, FinalFilesAreKeptOthersAskedForAgain) {
  ProductServer server({"NBSFSD=503", "CLIHON=missing"});
  TempDir archive;
  std::filesystem::create_directories(DayFolder(archive.path, kDay));
  const auto file = [&](std::string_view id) {
    return ArchivedProduct(archive.path, kDay, id);
  };
  // Fetched on the next day: final. Fetched at 14 UTC: asked for again,
  // and kept as it was when the new answer fails or is "not issued".
  for (const std::string_view id :
       {"MAVBKX", "MEXBKX", "NBSFSD", "CLIHON", "MAVFSD"}) {
    WriteFile(file(id), "old\n");
    SetWritten(file(id), id.ends_with("BKX") ? 30 : 14);
  }
  const Fetched fetched = Fetch(server, archive.path);
  EXPECT_EQ(fetched.lines[0], "MAVBKX: kept from the archive");
  EXPECT_EQ(fetched.lines[4], "MEXBKX: kept from the archive");
  EXPECT_EQ(fetched.lines[3], "MAVFSD: 3 products, 5 KB");
  EXPECT_EQ(fetched.lines[11], "NBSFSD: failed after 3 attempts (HTTP 503)");
  EXPECT_EQ(fetched.lines[13], "CLIHON: not issued yet");
  EXPECT_EQ(ReadFile(file("MAVBKX")), "old\n");
  EXPECT_EQ(ReadFile(file("MAVFSD")), ServedProduct("MAVFSD"));
  EXPECT_EQ(ReadFile(file("NBSFSD")), "old\n");
  EXPECT_EQ(ReadFile(file("CLIHON")), "old\n");
  EXPECT_TRUE(fetched.missing.empty());
  EXPECT_EQ(server.RequestsFor("MAVBKX") + server.RequestsFor("MEXBKX"), 0);
  EXPECT_EQ(server.Requests().size(), 13u + 2u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(
                              DayFolder(archive.path, kDay)),
                          std::filesystem::directory_iterator()),
            15);
}

}  // namespace
