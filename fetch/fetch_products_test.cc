// The fetch against the stand-in service on 127.0.0.1, in this process, the
// waits between attempts recorded instead of slept.

#include "fetch/fetch_products.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>

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
  std::vector<int> waits;
};

// With a time-out of 1 s, which "slow" answers (2 s) overrun, on `today`
// (by default the products' own day, not over yet).
Fetched Fetch(const std::string& source, const std::string& archive,
              const IssueDate& today = kDay) {
  Fetched fetched;
  FetchTools tools{HttpGet,
                   [&](int seconds) { fetched.waits.push_back(seconds); },
                   false, today};
  std::ostringstream err;
  const FetchResult result =
      FetchProducts(FetchRequest{kDay, archive, source, 1}, tools, err);
  for (const MissingProduct& product : result.missing) {
    fetched.missing.push_back(product.id);
    fetched.tryLater.push_back(product.tryLater);
  }
  fetched.stopped = result.stopped;
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
