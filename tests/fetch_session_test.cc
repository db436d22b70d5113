// fetch and today through the built program, against the stand-in service
// on 127.0.0.1.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "fetch/product_query.h"
#include "products/issue_date.h"
#include "tests/console_texts.h"
#include "tests/product_server.h"
#include "tests/temp_dir.h"

namespace {

std::vector<std::string> FetchArguments(const std::string& command,
                                        const ProductServer& server,
                                        const TempDir& dir) {
  return {command,
          "--date",
          "12/08/2026",
          "--archive",
          dir.path + "/archive",
          "--source",
          server.Source()};
}

std::string Archived(const TempDir& dir, std::string_view name) {
  return dir.path + "/archive/2026-12-08/" + std::string(name);
}

TEST(FetchSessionTest, OneLinePerIdTheStatusAndTheUserAgent) {
  ProductServer server({"NBSFSD=503-once", "CLIHON=missing"});
  TempDir dir;
  const FinishedCommand run =
      RunWithArguments(dir, FetchArguments("fetch", server, dir));
  // CLIHON of 12/08/2026 may still come during that day; not after it.
  const bool thatDay = TodayUtc() == IssueDate{2026, 12, 8};
  EXPECT_EQ(run.status, thatDay ? 75 : 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "MAVBKX: 3 products, 5 KB\nMAVHON: 3 products, 5 KB\n"
            "MAVMHE: 3 products, 5 KB\nMAVFSD: 3 products, 5 KB\n"
            "MEXBKX: 2 products, 3 KB\nMEXHON: 2 products, 3 KB\n"
            "MEXMHE: 2 products, 3 KB\nMEXFSD: 2 products, 3 KB\n"
            "NBSBKX: 2 products, 4 KB\nNBSHON: 2 products, 4 KB\n"
            "NBSMHE: 2 products, 4 KB\nNBSFSD: 2 products, 4 KB\n"
            "CLIFSD: 1 product, 1 KB\nCLIHON: " +
                std::string(thatDay ? "not issued yet"
                                    : "not found at the service") +
                "\nCLIMHE: 1 product, 1 KB\n");
  for (const std::string& id : ProductIds())
    if (id != "CLIHON") {
      EXPECT_EQ(ReadFile(Archived(dir, std::string(id) + ".txt")),
                ServedProduct(id));
    }
  EXPECT_FALSE(FileExists(Archived(dir, "CLIHON.txt")));
  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 16u);
  const std::string version =
      RunWithArguments(dir, {"--version"}).out.substr(17);
  EXPECT_EQ(
      requests[0],
      "/cgi-bin/afos/retrieve.py?pil=MAVBKX&fmt=text&limit=9999&sdate=2026-12-08&edate=2026-12-09\torvanne-forecast/" +
          version.substr(0, version.size() - 1));
}

TEST(FetchSessionTest, UsageProblems) {
  struct Case {
    std::vector<std::string> args;
    std::string problem;
  } cases[] = {
      {{"fetch", "--source", "ftp://mirror.example/"},
       "the source must be an http:// or https:// address, not 'ftp://mirror.example/'"},
      {{"fetch", "--timeout", "0"},
       "the time-out must be a whole number of seconds from 1 to 3600, not '0'"},
      {{"fetch", "--date", "2/30/2026"},
       "the date '2/30/2026' does not exist: February 2026 has 28 days"},
      {{"fetch", "MAVFSD"}, "fetch takes no file, not 'MAVFSD'"},
      {{"today", "--archive", "a"}, "today needs the option --ratio"},
      {{"today", "--ratio", "0.6", "--primary", "gfs"},
       "the primary guidance must be nam or nbm, not 'gfs'"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const FinishedCommand run = RunWithArguments(dir, c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orvanne-forecast: " + c.problem +
                           "; see 'orvanne-forecast --help'.\n");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path("a")));
}

TEST(FetchSessionTest, TodayFetchesAssemblesAndRuns) {
  ProductServer server({"CLIHON=missing"});
  TempDir dir;
  std::vector<std::string> args = FetchArguments("today", server, dir);
  args.insert(args.end(), {"--ratio", "0.6", "--units", "metric"});
  const FinishedCommand run = RunWithArguments(dir, args);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("\nCLIHON: not "), std::string::npos);
  EXPECT_NE(run.err.find("\nsection 1: KBKX NBM 12/08/2026 1200 from " +
                         Archived(dir, "NBSBKX.txt") + ", translated\n"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("\nsection 12: KFSD GFSX 12/08/2026 0000 from " +
                         Archived(dir, "MEXFSD.txt") + "\n"),
            std::string::npos);
  EXPECT_EQ(
      ReadFile(Archived(dir, "orvanne_1200.out"))
          .rfind("1200 City of Orvanne Forecast Data (Metric Units)\n", 0),
      0u);
  // Only what the morning made: the ratio, then the files; the run's own
  // console lines are the menu's and blend's.
  EXPECT_EQ(run.out, "The ratio given: 0.6\nThe report is " +
                         Archived(dir, "orvanne_1200.out") + ", the picture " +
                         Archived(dir, "orvanne_1200.svg") + ", the page " +
                         dir.path + "/archive/index.html.\n");
  EXPECT_TRUE(FileExists(Archived(dir, "orvanne_1200.json")));
  EXPECT_TRUE(FileExists(Archived(dir, "index.html")));
}

// Nothing listening, or the service's address without its path: one line,
// a status cron and systemd can act on, and nothing on disk.
TEST(FetchSessionTest, TodayWithTheServiceDownOrAWrongAddress) {
  ProductServer server(std::vector<std::string>{});
  const std::string root =
      server.Source().substr(0, server.Source().find("/cgi"));
  const struct {
    std::string source;
    int status;
    std::string line;
  } cases[] = {
      {"http://127.0.0.1:1/cgi-bin/afos/retrieve.py", 75,
       "The product service at 127.0.0.1:1 could not be reached (connection refused); nothing was fetched.\n"},
      {root, 1,
       "The product service at " + root.substr(7) +
           " answered HTTP 422; --source must be the address of the service's retrieve.py, as the default https://mesonet.agron.iastate.edu/cgi-bin/afos/retrieve.py is.\n"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const FinishedCommand run = RunWithArguments(
        dir, {"today", "--ratio", "0.6", "--archive", dir.Path("archive"),
              "--source", c.source});
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.line);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(dir.Path("archive")));
  }
}

TEST(FetchSessionTest, TodayStopsOnAMissingProductOrCycle) {
  struct Case {
    std::string fault;
    int status;
    std::string line;
  } cases[] = {
      {"MEXHON=404", 1,
       "MEXHON is not in the archive; the 1200 Model's bulletin needs it.\n"},
      // The products are of 12/08/2026: during that day a missing cycle
      // may still come; after it, the assembler's refusal stands.
      TodayUtc() == IssueDate{2026, 12, 8}
          ? Case{"MAVBKX=early", 75,
                 "The 1200 UTC guidance of 12/08/2026 is not out yet (MAV); try again later.\n"}
          : Case{"MAVBKX=early", 1,
                 "No GFS (or AVN) guidance for KBKX issued 12/08/2026 at 1200 was found; only the 0000 and 0600 cycles of the GFS guidance were found; the 1200 Model takes its 1200 cycle.\n"},
  };
  for (const Case& c : cases) {
    ProductServer server({c.fault});
    TempDir dir;
    std::vector<std::string> args = FetchArguments("today", server, dir);
    args.insert(args.end(), {"--ratio", "0.6"});
    const FinishedCommand run = RunWithArguments(dir, args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(run.err.ends_with(c.line)) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(FileExists(Archived(dir, "orvanne_1200.txt")));
    EXPECT_FALSE(FileExists(Archived(dir, "orvanne_1200.out")));
  }
}

// A service answering only 503, and a day with nothing out yet (today's
// own day, so "not issued yet"): each one line and status 75, at most 3
// requests for the storm, and no folder left behind.
TEST(FetchSessionTest, AStormOfBusyAnswersAndADayWithNothingIssued) {
  ProductServer busy({"MAVBKX=503"});
  std::vector<std::string> faults;
  for (const std::string& id : ProductIds()) faults.push_back(id + "=missing");
  ProductServer empty(faults);
  const struct {
    std::vector<std::string> command;
    const ProductServer* server;
    std::string line;
    std::size_t requests;
  } cases[] = {
      {{"fetch"}, &busy,
       "The product service at 127.0.0.1:" + std::to_string(busy.port) +
           " is not serving now (HTTP 503 after 3 attempts); nothing was fetched.\n",
       3},
      {{"fetch"}, &empty,
       "None of the day's 15 products is issued yet; try again later.\n", 15},
      {{"today", "--ratio", "0.6"}, &empty,
       "None of the day's 15 products is issued yet; try again later.\n", 30},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    TempDir dir;
    std::vector<std::string> args = c.command;
    args.insert(args.end(), {"--archive", dir.Path("archive"), "--source",
                             c.server->Source()});
    const FinishedCommand run = RunWithArguments(dir, args);
    EXPECT_EQ(run.status, 75);
    EXPECT_EQ(run.err, c.line);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(c.server->Requests().size(), c.requests);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("archive")));
  }
}

// A typed ratio with --bias auto on a first morning: the ratio stands and
// the line says why no bias is removed yet, on the morning's own output.
TEST(FetchSessionTest, TodaySaysTheBiasesItRemoved) {
  ProductServer server(std::vector<std::string>{});
  TempDir dir;
  std::vector<std::string> args = FetchArguments("today", server, dir);
  args.insert(args.end(), {"--ratio", "0.6", "--bias", "auto"});
  const FinishedCommand run = RunWithArguments(dir, args);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "The ratio given: 0.6\n"
            "Too few verified days (0 of 7); no bias is removed.\n"
            "The report is " + Archived(dir, "orvanne_1200.out") +
                ", the picture " + Archived(dir, "orvanne_1200.svg") +
                ", the page " + dir.path + "/archive/index.html.\n");
}

// The day's products already in the archive, none final (written during
// the day), and the service failing: the forecast is made from them, one
// line names the failure and what was not refreshed; a wrong address still
// ends with status 1 so that it is seen.
TEST(FetchSessionTest, TodayFromTheArchiveWhenTheServiceFails) {
  ProductServer good(std::vector<std::string>{});
  ProductServer busy({"MAVBKX=503"});
  const std::string root = good.Source().substr(0, good.Source().find("/cgi"));
  const std::string busyHost = "127.0.0.1:" + std::to_string(busy.port);
  const struct {
    std::string source;
    int status;
    std::string line;
  } cases[] = {
      {"http://127.0.0.1:1/cgi-bin/afos/retrieve.py", 0,
       "The product service at 127.0.0.1:1 failed (connection refused); "},
      {busy.Source(), 0,
       "The product service at " + busyHost + " failed (HTTP 503); "},
      {root, 1,
       "The product service at " + root.substr(7) + " failed (HTTP 422); "},
  };
  std::string ids;
  for (const std::string& id : ProductIds())
    ids += (ids.empty() ? "" : ", ") + id;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    TempDir dir;
    ASSERT_EQ(RunWithArguments(dir, FetchArguments("fetch", good, dir)).status,
              0);
    // Written at noon of the day itself: kept, but asked for again.
    const auto noon = std::chrono::file_clock::from_sys(
        std::chrono::sys_seconds{std::chrono::sys_days{
            std::chrono::year{2026} / 12 / 8}} +
        std::chrono::seconds{12 * 3600});
    for (const std::string& id : ProductIds())
      std::filesystem::last_write_time(Archived(dir, id + ".txt"), noon);
    std::vector<std::string> args = FetchArguments("today", good, dir);
    args.back() = c.source;
    args.insert(args.end(), {"--ratio", "0.6"});
    const FinishedCommand run = RunWithArguments(dir, args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.err.rfind(c.line + "the forecast is made from the archive, without refreshing " + ids + ".\n", 0), 0u) << run.err;
    EXPECT_EQ(run.out, "The ratio given: 0.6\nThe report is " +
                           Archived(dir, "orvanne_1200.out") +
                           ", the picture " + Archived(dir, "orvanne_1200.svg") +
                           ", the page " + dir.path + "/archive/index.html.\n");
    EXPECT_TRUE(FileExists(Archived(dir, "orvanne_1200.json")));
  }
  EXPECT_LE(busy.Requests().size(), 9u);  // 3 a run at most
}

}  // namespace
