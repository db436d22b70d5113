#include "record/forecast_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "record/test_records.h"
#include "tests/temp_dir.h"

namespace {

void ExpectSameDays(const CityForecast& a, const CityForecast& b) {
  for (int d = 0; d < kForecastDays; ++d) {
    EXPECT_EQ(a.days[d].day, b.days[d].day);
    for (double DayRow::*value :
         {&DayRow::lowTemp, &DayRow::highTemp, &DayRow::lowDpt,
          &DayRow::highDpt, &DayRow::highProbPrec})
      EXPECT_EQ(
          std::memcmp(&(a.days[d].*value), &(b.days[d].*value), sizeof(double)),
          0)
          << d;
    EXPECT_EQ(a.days[d].lowProbPrec, b.days[d].lowProbPrec) << d;
  }
  for (int k = 0; k < kSkyRows; ++k) {
    EXPECT_EQ(a.sky[k].hour, b.sky[k].hour);
    EXPECT_EQ(a.sky[k].cloud, b.sky[k].cloud) << k;
    EXPECT_EQ(a.sky[k].speed, b.sky[k].speed) << k;
    EXPECT_EQ(a.sky[k].direction, b.sky[k].direction) << k;
  }
}

// Doubles that print long (a third, 0.1 + 0.2, a subnormal) come back bit
// for bit, and so does every fact.
TEST(ForecastRecordTest, WrittenAndReadBackExactly) {
  ForecastRecord record = TestRecord({2026, 12, 8});
  record.forecast.days[2].highTemp = 1.0 / 3;
  record.forecast.days[3].lowTemp = 0.1 + 0.2;
  record.forecast.days[4].lowDpt = 4.9e-324;
  record.forecast.days[5].highDpt = -0.0;
  record.units = UnitSystem::kMetric;
  record.ratioSource = RatioSource::kVerification;
  record.biases = {{"GFS", 1, "max", 2.0, "KFSD"},
                   {"GFSX", 7, "min", -0.35, "KBKX"}};
  TempDir dir;
  const std::string path = dir.Path("orvanne_1200.json");
  std::string err;
  ASSERT_TRUE(WriteRecordFile(path, record, &err)) << err;
  ForecastRecord read;
  ASSERT_TRUE(ReadRecordFile(path, &read, &err)) << err;
  EXPECT_EQ(read.issued, record.issued);
  EXPECT_EQ(read.units, UnitSystem::kMetric);
  EXPECT_EQ(read.primaryRatio, 0.6);
  EXPECT_EQ(read.secondaryRatio, 1.0 - 0.6);
  EXPECT_EQ(read.ratioSource, RatioSource::kVerification);
  ASSERT_EQ(read.biases.size(), 2u);
  EXPECT_EQ(read.biases[1].guidance, "GFSX");
  EXPECT_EQ(read.biases[1].leadDay, 7);
  EXPECT_EQ(read.biases[1].element, "min");
  EXPECT_EQ(read.biases[1].bias, -0.35);
  EXPECT_EQ(read.biases[1].station, "KBKX");
  EXPECT_EQ(read.models, record.models);
  ExpectSameDays(read.forecast, record.forecast);
  EXPECT_EQ(RecordJson(read), RecordJson(record));
  // Day 1 of 12/08/2026 is Wednesday 12/09; days 3 to 7 have one chance.
  const std::string text = RecordJson(record);
  EXPECT_NE(text.find("\"date\": \"2026-12-09\""), std::string::npos);
  EXPECT_NE(text.find("\"weekday\": \"Wed\""), std::string::npos);
  EXPECT_EQ(read.forecast.days[0].lowProbPrec, 5);
  EXPECT_FALSE(read.forecast.days[2].lowProbPrec);
}

TEST(ForecastRecordTest, ADamagedRecordIsNamedOnOneLine) {
  const std::string good = RecordJson(TestRecord({2026, 12, 8}));
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    return text.replace(text.find(from), from.size(), to);
  };
  const struct {
    std::string what, text, reason;
  } cases[] = {
      {"cut short", good.substr(0, good.size() / 2), "not a JSON object"},
      {"empty", "", "not a JSON object"},
      {"a day's date", replaced("2026-12-10", "2026-12-11"), "day 2 is not"},
      {"a high as text", replaced("\"high\": 31.0", "\"high\": \"31\""),
       "'high' is not a number"},
      {"units", replaced("\"standard\"", "\"imperial\""), "'units' is not"},
      {"a sky row short", replaced("\"speed\": 29.5", "\"sped\": 29.5"),
       "'speed'"},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const std::string path = dir.Path("orvanne_1200.json");
    WriteFile(path, c.text);
    ForecastRecord read;
    std::string err;
    EXPECT_FALSE(ReadRecordFile(path, &read, &err)) << c.what;
    EXPECT_NE(err.find(path), std::string::npos) << c.what << ": " << err;
    EXPECT_NE(err.find(c.reason), std::string::npos) << c.what << ": " << err;
    EXPECT_EQ(err.find('\n'), std::string::npos) << c.what;
  }
  std::string err;
  ForecastRecord read;
  EXPECT_FALSE(ReadRecordFile(dir.Path("none.json"), &read, &err));
  EXPECT_EQ(err, "The record " + dir.Path("none.json") + " could not be read.");
}

// A record written by 1.3.0: no "schema", the date as the headers write
// it, a bias without its station (at every station). A later schema is
// refused; a damaged sky row stops only the reader of the whole record.
TEST(ForecastRecordTest, OlderRecordsReadAndTheDaysWithoutTheSky) {
  const std::string now = RecordJson(TestRecord({2026, 12, 8}));
  auto replaced = [](std::string text, const std::string& from,
                     const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
  };
  EXPECT_NE(now.find("\"schema\": 2,\n \"issue_date\": \"2026-12-08\""),
            std::string::npos)
      << now;
  const std::string older = replaced(
      replaced(replaced(now, "\"schema\": 2,\n", ""), "\"2026-12-08\"",
               "\"12/08/2026\""),
      "\"biases_removed\": []",
      "\"biases_removed\": [{\"guidance\": \"GFS\", \"lead_day\": 1, "
      "\"element\": \"max\", \"bias\": 2.0}]");
  ForecastRecord read;
  std::string err;
  ASSERT_TRUE(ParseRecordJson(older, &read, &err)) << err;
  EXPECT_EQ(read.issued, (IssueDate{2026, 12, 8}));
  ASSERT_EQ(read.biases.size(), 1u);
  EXPECT_EQ(read.biases[0].station, "");
  // An ISO date is schema 2's, a month/day/year one schema 1's.
  EXPECT_FALSE(ParseRecordJson(replaced(now, "\"2026-12-08\"", "\"12/08/2026\""),
                               &read, &err));
  EXPECT_FALSE(ParseRecordJson(replaced(now, "\"schema\": 2", "\"schema\": 3"),
                               &read, &err));
  EXPECT_EQ(err, "its schema 3 is not one this version reads");
  const std::string badSky = replaced(now, "\"speed\": 29.5", "\"sped\": 29.5");
  EXPECT_FALSE(ParseRecordJson(badSky, &read, &err));
  ASSERT_TRUE(
      ParseRecordJson(badSky, &read, &err, RecordParts::kWithoutSky))
      << err;
  EXPECT_EQ(read.forecast.days[6].highTemp, 37);
  EXPECT_EQ(read.forecast.sky[0].hour, 0);
  // A record written with an escape, which the fast reading leaves to the
  // library, reads the same.
  const std::string escaped =
      replaced(now, "\"standard\"", "\"stan\\u0064ard\"");
  ASSERT_TRUE(ParseRecordJson(escaped, &read, &err)) << err;
  EXPECT_EQ(RecordJson(read), now);
}

}  // namespace
