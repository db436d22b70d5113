// The short-range primary guidance of sections 1 to 4: the NAM's where it is
// found, else the blend of models' (NBM) translated, station by station.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "assemble/assemble.h"
#include "assemble/test_products.h"
#include "runs/run_station_blend.h"
#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

const std::string kProducts = std::string(ORVANNE_SAMPLES) + "/products/";
const std::string kNam = kProducts + "nam_1200.txt";
const std::string kGfs = kProducts + "gfs_1200.txt";
const std::string kGfsx = kProducts + "gfsx_0000.txt";
const std::string kNbs = kProducts + "nbs_1200.txt";

struct Assembled {
  int status;
  std::vector<std::string> lines;  // standard error
};

Assembled Assemble(const AssembleRequest& request) {
  std::ostringstream out, err;
  const int status = RunAssemble(request, out, err);
  return {status, Lines(err.str())};
}

// The product without the blocks of `stations`: blocks are separated by
// empty lines, each header glued to a record separator.
std::string Without(const std::string& product,
                    const std::vector<std::string>& stations) {
  std::string kept;
  std::size_t at = 0;
  while (at < product.size()) {
    std::size_t end = product.find("\r\r\n\r\r\n", at);
    end = end == std::string::npos ? product.size() : end + 6;
    const std::string block = product.substr(at, end - at);
    bool drop = false;
    for (const std::string& station : stations)
      drop = drop || block.starts_with("\x1e" + station + " ");
    if (!drop) kept += block;
    at = end;
  }
  return kept;
}

TEST(PrimaryGuidanceTest, FromTheGfsGfsxAndNbsProductsToTheForecast) {
  TempDir dir;
  const std::string today = dir.Path("today.txt");
  const Assembled run = Assemble({{kGfs, kGfsx, kNbs}, today, {}});
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.lines.size(), 12u);
  EXPECT_EQ(run.lines[0], "section 1: KBKX NBM 12/08/2026 1200 from " + kNbs +
                              ", translated");
  EXPECT_EQ(run.lines[4], "section 5: KBKX GFS 12/08/2026 1200 from " + kGfs);

  // With the whole weight on the primary guidance, day 1 is the NBM blocks'
  // columns 7 and 11 weighted by station (KBKX, KHON, KMHE, KFSD):
  // TXN 18 20 17 16 -> 17.64016613, TXN 31 33 30 29 -> 30.64022003,
  // DPT 12 13 11 10 -> 11.46075785, DPT 13 16 12 11 -> 12.8195288,
  // P12 5 5 10 0 -> 4.82067282, P12 0 0 5 5 -> 2.33580169.
  std::istringstream in;
  std::ostringstream out;
  Console console{in, out, out};
  RunRequest request;
  request.bulletinName = today;
  request.primaryRatio = 1;
  ASSERT_TRUE(RunStationBlend(console, request)) << out.str();
  EXPECT_NE(
      out.str().find(
          "\n1      17.6402     30.6402     11.4608     12.8195     4.82067     2.3358\n"),
      std::string::npos)
      << out.str();
}

TEST(PrimaryGuidanceTest, TheChoiceIsMadeStationByStation) {
  TempDir dir;
  const std::string partNam = dir.Path("nam_part.txt");
  WriteFile(partNam, Without(ReadFile(kNam), {"KMHE", "KFSD"}));
  const std::string nam = " NAM 12/08/2026 1200 from " + partNam;
  const std::string nbm = " NBM 12/08/2026 1200 from " + kNbs + ", translated";

  Assembled mixed = Assemble({{partNam, kNbs, kGfs, kGfsx}, "", {}});
  ASSERT_EQ(mixed.status, 0);
  EXPECT_EQ(
      std::vector<std::string>(mixed.lines.begin(), mixed.lines.begin() + 4),
      (std::vector<std::string>{
          "section 1: KBKX" + nam, "section 2: KHON" + nam,
          "section 3: KMHE" + nbm, "section 4: KFSD" + nbm}));

  Assembled preferred = Assemble({{kNam, kNbs, kGfs, kGfsx}, "", {}, true});
  ASSERT_EQ(preferred.status, 0);
  EXPECT_EQ(preferred.lines[1], "section 2: KHON" + nbm);

  Assembled without = Assemble({{kNam, kGfs, kGfsx}, "", {}, true});
  EXPECT_EQ(without.status, 1);
  ASSERT_EQ(without.lines.size(), 5u);
  EXPECT_EQ(without.lines[1],
            "No NBM guidance for KBKX issued 12/08/2026 at 1200 was found.");
}

TEST(PrimaryGuidanceTest, AValueTheTranslationRefusesStopsTheAssembly) {
  TempDir dir;
  std::string nbs = ReadFile(kNbs);
  // KHON's SKY row: its second column (21 UTC) made missing.
  const std::size_t khon = nbs.find("\x1eKHON ");
  const std::size_t sky = nbs.find(" SKY ", khon) + 1;
  nbs.replace(sky + 4 + 3, 3, "-99");
  WriteFile(dir.Path("nbs.txt"), nbs);
  const Assembled run =
      Assemble({{kGfs, kGfsx, dir.Path("nbs.txt")}, dir.Path("today.txt"), {}});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(
      run.lines,
      std::vector<std::string>{
          "The NBM guidance for KHON issued 12/08/2026 at 1200 has no SKY value at 21 UTC."});
  EXPECT_FALSE(FileExists(dir.Path("today.txt")));
}

}  // namespace
