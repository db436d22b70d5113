#include "page/forecast_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "page/archive_records.h"
#include "page/build_pages.h"
#include "record/test_records.h"
#include "tests/temp_dir.h"
#include "tests/text_search.h"
#include "verify/test_archive.h"

namespace {

// Mornings 11/25 to 12/08/2026 (TestRecord: day d's high 30 + d + shift,
// low 20 + d + shift), 12/03 in Metric units and 12/06 shifted by -40.5.
// Climate reports of 11/28 to 12/07, each in the folder of the day after:
// KFSD 30 and 10, KHON 34 and 14, KMHE 38 and 18; none for 12/05, and none
// of KMHE for 12/07.
// The city's high, weights KFSD 0.25151496, KHON 0.1793834, KMHE
// 0.215645378: (7.5454488 + 6.0990356 + 8.1945244) / 0.6465437 = 33.78,
// the low 13.78; on 12/07 (7.5454488 + 6.0990356) / 0.4308984 = 31.67 and
// 11.67.
struct ObservedArchive {
  ObservedArchive() {
    for (IssueDate day{2026, 11, 25}; day <= IssueDate{2026, 12, 8};
         day = AddDays(day, 1)) {
      std::filesystem::create_directories(dir.Path(FormatIsoDate(day)));
      ForecastRecord record = TestRecord(day, day == IssueDate{2026, 12, 6} ? -40.5 : 0);
      if (day == IssueDate{2026, 12, 3}) record.units = UnitSystem::kMetric;
      std::string err;
      EXPECT_TRUE(WriteRecordFile(RecordPath(dir.path, day), record, &err));
    }
    for (IssueDate day{2026, 11, 28}; day <= IssueDate{2026, 12, 7};
         day = AddDays(day, 1)) {
      if (day == IssueDate{2026, 12, 5}) continue;
      const IssueDate folder = AddDays(day, 1);
      AddToArchive(dir.path, folder, "CLIFSD", ClimateProduct(day, "30", "10"));
      AddToArchive(dir.path, folder, "CLIHON", ClimateProduct(day, "34", "14"));
      if (day != IssueDate{2026, 12, 7})
        AddToArchive(dir.path, folder, "CLIMHE",
                     ClimateProduct(day, "38", "18"));
    }
  }
  TempDir dir;
};

std::string Forecast(const char* day, const char* element, int lead,
                     const char* value) {
  return std::string("<td data-valid=\"") + day + "\" data-element=\"" +
         element + "\" data-lead=\"" + std::to_string(lead) + "\">" + value +
         "</td>";
}

std::string Observed(const char* day, const char* element, const char* value) {
  return std::string("<td data-valid=\"") + day + "\" data-element=\"" +
         element + "\" data-observed>" + value + "</td>";
}

TEST(ForecastCheckTest, TheLastObservedDaysBesideEveryMorningsForecast) {
  ObservedArchive archive;
  Verification verification;
  std::string err;
  // No guidance is archived: too few days verified, but observed all the
  // same.
  EXPECT_FALSE(VerifyGuidance(archive.dir.path, {2026, 12, 7}, 30,
                              &verification, &err));
  ASSERT_EQ(verification.cityObserved.size(), 9u);
  std::vector<std::string> warnings;
  ASSERT_TRUE(BuildPages(archive.dir.path, &verification, &warnings, &err))
      << err;
  const std::string index = ReadFile(archive.dir.Path("index.html"));
  const struct {
    std::string cell;
    bool there;
  } cells[] = {
      // The last 7 observed days: 11/30 to 12/07 without 12/05.
      {Observed("2026-11-30", "max", "34"), true},
      {Observed("2026-11-29", "max", "34"), false},
      {"data-valid=\"2026-12-05\"", false},
      {Observed("2026-12-07", "max", "32"), true},
      {Observed("2026-12-07", "min", "12"), true},
      {Observed("2026-12-04", "min", "14"), true},
      // Lead k of 12/07 is day k of the morning k days before: 30 + k, 20 + k.
      {Forecast("2026-12-07", "max", 7, "37"), true},
      {Forecast("2026-12-07", "min", 2, "22"), true},
      // From 12/06, 31 - 40.5 and 21 - 40.5, halves away from zero.
      {Forecast("2026-12-07", "max", 1, "-10"), true},
      {Forecast("2026-12-07", "min", 1, "-20"), true},
      // From 12/03 in Metric: 31 °C is 87.8 °F, 21 °C 69.8 °F.
      {Forecast("2026-12-04", "max", 1, "88"), true},
      {Forecast("2026-12-04", "min", 1, "70"), true},
      // 11/30's lead 6 and 7 would be of 11/24 and 11/23: no record.
      {Forecast("2026-11-30", "max", 5, "35"), true},
      {"data-valid=\"2026-11-30\" data-element=\"max\" data-lead=\"6\"", false},
      {"<h2>How the forecasts did</h2>", true},
      {"Too few days are verified yet", true},
      {"<script", false},
  };
  for (const auto& c : cells)
    EXPECT_EQ(Holds(index, c.cell), c.there) << c.cell;
  // Two charts of the forecasts, inline.
  int charts = 0;
  for (auto at = index.find("<svg"); at != std::string::npos;
       at = index.find("<svg", at + 1))
    ++charts;
  EXPECT_EQ(charts, 2);
  // The morning of 12/05 saw 12/06 (lead 1) and 12/07 (lead 2) observed:
  // errors 31 - 33.78 = -2.78 and 22 - 11.67 = 10.33.
  const std::string day = ReadFile(archive.dir.Path("2026-12-05/index.html"));
  EXPECT_TRUE(Holds(
      day, "<tr><th scope=\"row\">Sun 12/06/2026</th><td>1</td>" +
               Forecast("2026-12-06", "max", 1, "31") +
               Observed("2026-12-06", "max", "34") + "<td>-3</td>" +
               Forecast("2026-12-06", "min", 1, "21") +
               Observed("2026-12-06", "min", "14") + "<td>+7</td></tr>"));
  EXPECT_TRUE(Holds(day, Forecast("2026-12-07", "min", 2, "22") +
                             Observed("2026-12-07", "min", "12") +
                             "<td>+10</td></tr>"));
  EXPECT_TRUE(Holds(day, "No bias was removed."));
  EXPECT_FALSE(Holds(ReadFile(archive.dir.Path("2026-12-07/index.html")),
                     "data-observed"));
}

}  // namespace
