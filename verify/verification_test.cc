#include "verify/verification.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "common/units.h"
#include "products/archive.h"
#include "record/forecast_record.h"
#include "record/test_records.h"
#include "tests/temp_dir.h"
#include "verify/blend_biases.h"
#include "verify/test_archive.h"
#include "verify/verification_json.h"
#include "verify/verification_table.h"

namespace {

// The errors of WriteLeadDayArchive by hand, December 1 to 10, 30 pairs a
// guidance, lead day and element. GFS day-1 maximum: 29 x 2 + 7 = 65, mean
// 2.167. Ratio: GFS |errors| 95 + 150, NBM 60 + 90, over 120 pairs each:
// 245 / 395 = 0.620. Every morning from November 24 on knew 10 constant
// days: ratio 24 / 39 = 0.615, printed 0.62, and the constant biases.
// Blend errors 0.62 NBM + 0.38 GFS: day 1 max -0.62 + 0.76 = 0.14 (2.04 on
// the varying value: 29 x 0.14 + 2.04 = 6.10, / 30 = 0.203), min 0.62 -
// 0.38 = 0.24; day 2 max -1.24 + 1.14 = -0.10, min 0.62 - 0.76 = -0.14.
// Bias removed: each station's constant error, so the errors less the
// biases are 0 and their ratio 0.50; 0 but 0.50 x (7 - 2) = 2.50 once:
// day 1 max 2.50 / 30 = 0.08, both 2.50 / 60 = 0.04, days 1 and 2 0.02.
Verification LeadDayVerification(const TempDir& dir) {
  WriteLeadDayArchive(dir.Path("archive"));
  Verification verification;
  std::string err;
  EXPECT_TRUE(VerifyGuidance(dir.Path("archive"), {2026, 12, 10}, 10,
                             &verification, &err))
      << err;
  return verification;
}

TEST(VerificationTest, TheTablesByLeadDayAndTheBacktest) {
  TempDir dir;
  std::ostringstream out;
  PrintVerification(out, LeadDayVerification(dir));
  EXPECT_EQ(
      out.str(),
      "Verification of the 1200 UTC guidance at KFSD, KHON and KMHE, 12/01/2026 to 12/10/2026 (10 days)\n"
      "At lead day 1:\n"
      "guidance  forecasts  max bias  max MAE  min bias  min MAE    MAE\n"
      "GFS              60     +2.17     2.17     -1.00     1.00   1.58\n"
      "NBM              60     -1.00     1.00     +1.00     1.00   1.00\n"
      "\n"
      "By lead day, with the 0000 UTC GFSX MOS:\n"
      "guidance  day  max count  max bias  max MAE  min count  min bias  min MAE\n"
      "GFS         1         30     +2.17     2.17         30     -1.00     1.00\n"
      "GFS         2         30     +3.00     3.00         30     -2.00     2.00\n"
      "NBM         1         30     -1.00     1.00         30     +1.00     1.00\n"
      "NBM         2         30     -2.00     2.00         30     +1.00     1.00\n"
      "GFSX        1         30     +1.00     1.00         30     -1.00     1.00\n"
      "GFSX        2         30     +2.00     2.00         30     -2.00     2.00\n"
      "GFSX        3         30     +3.00     3.00         30     -3.00     3.00\n"
      "GFSX        4         30     +4.00     4.00         30     -4.00     4.00\n"
      "GFSX        5         30     +5.00     5.00         30     -5.00     5.00\n"
      "GFSX        6         30     +6.00     6.00         30     -6.00     6.00\n"
      "GFSX        7         30     +7.00     7.00         30     -7.00     7.00\n"
      "\n"
      "The city's own forecast: its records against the city observation, skill against the NBM at days 1 and 2 and the GFSX at days 3 to 7:\n"
      "No record of the city's forecast falls on these days.\n"
      "suggested ratio: 0.62\n"
      "\n"
      "Backtest: each day forecast again with the ratio and biases its morning knew\n"
      "forecast             day  pairs  max MAE  min MAE    MAE\n"
      "GFS                    1     60     2.17     1.00   1.58\n"
      "GFS                    2     60     3.00     2.00   2.50\n"
      "NBM                    1     60     1.00     1.00   1.00\n"
      "NBM                    2     60     2.00     1.00   1.50\n"
      "blend                  1     60     0.20     0.24   0.22\n"
      "blend                  2     60     0.10     0.14   0.12\n"
      "blend, bias removed    1     60     0.08     0.00   0.04\n"
      "blend, bias removed    2     60     0.00     0.00   0.00\n"
      "GFSX                   3     60     3.00     3.00   3.00\n"
      "GFSX                   4     60     4.00     4.00   4.00\n"
      "GFSX                   5     60     5.00     5.00   5.00\n"
      "GFSX                   6     60     6.00     6.00   6.00\n"
      "GFSX                   7     60     7.00     7.00   7.00\n"
      "GFSX, bias removed     3     60     0.00     0.00   0.00\n"
      "GFSX, bias removed     4     60     0.00     0.00   0.00\n"
      "GFSX, bias removed     5     60     0.00     0.00   0.00\n"
      "GFSX, bias removed     6     60     0.00     0.00   0.00\n"
      "GFSX, bias removed     7     60     0.00     0.00   0.00\n"
      "Following the ratio would have given an MAE of 0.17 on days 1 and 2, against 2.04 for the GFS alone and 1.25 for the NBM alone, and 0.02 with the biases removed.\n"
      "Removing the GFSX's bias would have given an MAE of 0.00 on days 3 to 7, against 5.00 for the GFSX as issued.\n");
}

TEST(VerificationTest, TheDocumentHoldsTheSameFiguresAsNumbers) {
  TempDir dir;
  const nlohmann::json document =
      nlohmann::json::parse(VerificationJson(LeadDayVerification(dir)));
  EXPECT_EQ(document["schema"], 2);
  EXPECT_EQ(document["units"], "F");
  EXPECT_EQ(document["first"], "2026-12-01");
  EXPECT_EQ(document["last"], "2026-12-10");
  EXPECT_EQ(document["until"], "2026-12-10");
  // The morning after December 10: KFSD's GFS day-1 maxima less 2.50 leave
  // 9 x 0.50 + 4.50, every NBM error less its bias 0: 1.00.
  EXPECT_EQ(document["ratio_bias_removed"], 1.0);
  EXPECT_EQ(document["days"], 10);
  EXPECT_EQ(document["verified_days"], 10);
  EXPECT_EQ(document["ratio"], 0.62);
  const struct {
    const char* list;
    std::size_t index;
    nlohmann::json expected;
  } cases[] = {
      {"/scores",
       0,
       {{"guidance", "GFS"},
        {"lead_day", 1},
        {"element", "max"},
        {"count", 30},
        {"bias", 2.17},
        {"mae", 2.17},
        {"rmse", 2.35}}},  // sqrt((29 x 4 + 49) / 30)
      {"/scores",
       7,
       {{"guidance", "NBM"},
        {"lead_day", 2},
        {"element", "min"},
        {"count", 30},
        {"bias", 1.0},
        {"mae", 1.0},
        {"rmse", 1.0}}},
      {"/scores",
       21,
       {{"guidance", "GFSX"},
        {"lead_day", 7},
        {"element", "min"},
        {"count", 30},
        {"bias", -7.0},
        {"mae", 7.0},
        {"rmse", 7.0}}},
      {"/backtest/entries",
       8,
       {{"forecast", "blend"},
        {"lead_day", 1},
        {"element", "max"},
        {"count", 30},
        {"mae", 0.2}}},
      {"/backtest/entries",
       13,
       {{"forecast", "blend, bias removed"},
        {"lead_day", 1},
        {"element", "min"},
        {"count", 30},
        {"mae", 0.0}}},
      {"/backtest/entries",
       27,
       {{"forecast", "GFSX, bias removed"},
        {"lead_day", 3},
        {"element", "min"},
        {"count", 30},
        {"mae", 0.0}}},
  };
  EXPECT_EQ(document["scores"].size(), 22u);
  EXPECT_EQ(document["backtest"]["entries"].size(), 36u);
  for (const auto& c : cases)
    EXPECT_EQ(document[nlohmann::json::json_pointer(c.list)][c.index],
              c.expected)
        << c.list << c.index;
  // The summary's figures as the table's sentences print them.
  EXPECT_EQ(document["backtest"]["summary"],
            nlohmann::json::parse(R"({
      "days_1_and_2": {"blend": 0.17, "GFS": 2.04, "NBM": 1.25,
                       "blend, bias removed": 0.02},
      "days_3_to_7": {"GFSX": 5.0, "GFSX, bias removed": 0.0}})"));
  EXPECT_EQ(document["stations"][0],
            nlohmann::json({{"station", "KFSD"}, {"weight", 0.25151496}}));
  // 2 guidance x 4 stations x 2 elements x 2 days + 4 x 2 x 5 GFSX days.
  EXPECT_EQ(document["biases"].size(), 72u);
}

// Every cell holds 10 values, each the same but KFSD's GFS day-1 maximum
// (2 nine times, 7 once: mean 2.50, sample sd sqrt(22.5 / 9) = 1.58, SE
// 0.50, 2.50 >= 1.00, removed) and KBKX's, the mean of the three
// stations' errors of each day (2 nine times, 11/3 once: mean 2.17, SE
// sqrt(2.5 / 9) / sqrt(10) = 0.17, removed).
TEST(VerificationTest, TheBiasesAsRemovedAtEachStation) {
  TempDir dir;
  const Verification verification = LeadDayVerification(dir);
  const TemperatureBiases biases = BiasesForBlend(verification.biases);
  using B = std::array<std::optional<double>, 4>;
  // kBulletinStations: KBKX, KHON, KMHE, KFSD.
  const double gfsDayOneMax[] = {2.17, 2.0, 2.0, 2.5};
  for (int s = 0; s < kStationCount; ++s) {
    const StationTemperatureBiases& b = biases.stations[s];
    EXPECT_EQ(b.primary, (B{1.0, -1.0, 1.0, -2.0})) << s;
    EXPECT_EQ(b.secondary, (B{-1.0, gfsDayOneMax[s], -2.0, 3.0})) << s;
    for (int day = 3; day <= 7; ++day) {
      EXPECT_EQ(b.extendedMinimum[day - 3], -day);
      EXPECT_EQ(b.extendedMaximum[day - 3], day);
    }
  }
  const BiasCell& kfsd = verification.biases.cells[kScoredGfs][3][1][0];
  EXPECT_EQ(kfsd.count, 10);
  EXPECT_EQ(kfsd.biasHundredths, 250);
  EXPECT_EQ(kfsd.standardErrorHundredths, 50);
  const BiasCell& kbkx = verification.biases.cells[kScoredGfs][0][1][0];
  EXPECT_EQ(kbkx.biasHundredths, 217);
  EXPECT_EQ(kbkx.standardErrorHundredths, 17);
  EXPECT_EQ(verification.biases.removedCells, 72);
  EXPECT_EQ(verification.biases.heldBackCells, 0);
}

std::string Damaged(const std::string& path,
                    std::string (*damage)(std::string)) {
  std::ifstream in(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), {});
  return damage(text);
}

// Damages read without a crash and count nothing: MAVFSD of December 2 is a
// folder (GFS days 1 and 2 lose December 3 and 4), NBSHON of December 3
// random bytes (NBM loses December 4 and 5), MEXMHE of December 1 cut after
// day 4's minimum (GFSX loses day 4's maximum and days 5 to 7), and KFSD's
// report of December 9 has CR line ends (every count loses one).
TEST(VerificationTest, ADamagedArchiveCountsNoDamagedValue) {
  TempDir dir;
  const std::string archive = dir.Path("archive");
  WriteLeadDayArchive(archive);
  const std::string mav = ArchivedProduct(archive, {2026, 12, 2}, "MAVFSD");
  std::filesystem::remove(mav);
  std::filesystem::create_directory(mav);
  const std::string nbs = ArchivedProduct(archive, {2026, 12, 3}, "NBSHON");
  WriteFile(nbs, Damaged(nbs, [](std::string text) {
              std::mt19937 bytes(26);
              for (char& c : text) c = static_cast<char>(bytes());
              return text;
            }));
  const std::string mex = ArchivedProduct(archive, {2026, 12, 1}, "MEXMHE");
  WriteFile(mex, Damaged(mex, [](std::string text) {
              return text.substr(0, text.find("16  4") + 5);
            }));
  const std::string cli = ArchivedProduct(archive, {2026, 12, 10}, "CLIFSD");
  WriteFile(cli, Damaged(cli, [](std::string text) {
              for (char& c : text)
                if (c == '\n') c = '\r';
              return text;
            }));
  Verification v;
  std::string err;
  ASSERT_TRUE(VerifyGuidance(archive, {2026, 12, 10}, 10, &v, &err)) << err;
  // {guidance, lead day, maxima, minima}
  const int cases[][4] = {{kScoredGfs, 1, 28, 28},  {kScoredGfs, 2, 28, 28},
                          {kScoredNbm, 1, 28, 28},  {kScoredNbm, 2, 28, 28},
                          {kScoredGfsx, 3, 29, 29}, {kScoredGfsx, 4, 28, 29},
                          {kScoredGfsx, 7, 28, 28}};
  for (const auto& c : cases) {
    EXPECT_EQ(v.Scores(c[0], c[1]).maximum.count, c[2]) << c[0] << c[1];
    EXPECT_EQ(v.Scores(c[0], c[1]).minimum.count, c[3]) << c[0] << c[1];
  }
  EXPECT_EQ(v.verifiedDays, 10);
}

// Records of the mornings December 1 to 9 on the lead-day archive
// (observed 40 and 20): day d's high 39 + d, low 29 + d (TestRecord
// shifted 9): errors d - 1 and d + 9. December 3's record is cut short,
// December 4's folder holds December 2's, December 6's is in Metric
// (°C, read back in °F). Lead day 1: the mornings 1, 2, 5, 6, 7, 8, 9,
// high bias 0, low +10; lead day 2: the six to December 8, +1 and +11;
// lead day 7: December 1 and 2, +6 and +16. No KBKX product: no guidance
// alone, no skill.
TEST(VerificationTest, TheCitysRecordsVerifiedAndTheDamagedOnesNamed) {
  TempDir dir;
  const std::string archive = dir.Path("archive");
  WriteLeadDayArchive(archive);
  std::string err;
  for (int d = 1; d <= 9; ++d) {
    const IssueDate morning{2026, 12, d};
    ForecastRecord record = TestRecord(d == 4 ? IssueDate{2026, 12, 2} : morning, 9);
    if (d == 6) {
      record.units = UnitSystem::kMetric;
      for (DayRow& row : record.forecast.days) {
        row.highTemp = FahrenheitToCelsius(row.highTemp);
        row.lowTemp = FahrenheitToCelsius(row.lowTemp);
      }
    }
    const std::string path = DayFile(archive, morning, DayFileKind::kRecord);
    ASSERT_TRUE(WriteRecordFile(path, record, &err)) << err;
    if (d == 3) WriteFile(path, RecordJson(record).substr(0, 300));
  }
  Verification v;
  ASSERT_TRUE(VerifyGuidance(archive, {2026, 12, 10}, 10, &v, &err)) << err;
  ASSERT_EQ(v.warnings.size(), 2u);
  EXPECT_NE(v.warnings[0].find(DayFile(archive, {2026, 12, 3},
                                         DayFileKind::kRecord) +
                               " is damaged"),
            std::string::npos)
      << v.warnings[0];
  EXPECT_NE(v.warnings[1].find("is for 12/02/2026"), std::string::npos)
      << v.warnings[1];
  const struct {
    int leadDay;
    long long count, high, low;
  } cases[] = {{1, 7, 0, 1000}, {2, 6, 100, 1100}, {5, 3, 400, 1400},
               {7, 2, 600, 1600}};
  for (const auto& c : cases) {
    const RealErrorSums& high = v.city.City(c.leadDay, Element::kMaximum);
    const RealErrorSums& low = v.city.City(c.leadDay, Element::kMinimum);
    ASSERT_EQ(high.count, c.count) << c.leadDay;
    EXPECT_EQ(BiasHundredths(high), c.high) << c.leadDay;
    EXPECT_EQ(BiasHundredths(low), c.low) << c.leadDay;
    EXPECT_EQ(RmseHundredths(low), c.low) << c.leadDay;
  }
  ASSERT_EQ(v.cityObserved.size(), 10u);
  EXPECT_EQ(v.cityObserved[9].day, (IssueDate{2026, 12, 10}));
  EXPECT_NEAR(*v.cityObserved[9].maximum, 40, 1e-9);
  std::ostringstream out;
  PrintVerification(out, v);
  EXPECT_NE(
      out.str().find(
          "day  high count  high bias  high MAE  high skill  low count  low bias  low MAE  low skill\n"
          "  1           7      +0.00      0.00           -          7    +10.00    10.00          -\n"
          "  2           6      +1.00      1.00           -          6    +11.00    11.00          -\n"),
      std::string::npos)
      << out.str();
  const nlohmann::json document = nlohmann::json::parse(VerificationJson(v));
  EXPECT_EQ(document["city"][13],
            nlohmann::json::parse(R"({"lead_day": 7, "element": "min",
      "count": 2, "bias": 16.0, "mae": 16.0, "rmse": 16.0,
      "alone": [{"guidance": "GFSX", "mae": null, "skill": null}]})"));
}

}  // namespace
