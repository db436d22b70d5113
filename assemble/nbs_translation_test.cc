#include "assemble/nbs_translation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "blend/bulletin_rows.h"
#include "blend/station_records.h"
#include "tests/temp_dir.h"

namespace {

using ::testing::ElementsAre;

// KHON's block as a product holds it: rows not needed around the needed ones,
// three-character values touching, -99 and -88 in rows and columns not needed.
// SKY's first ten columns are the cloud words' edges: 0 6 | 7 31 | 32 56 |
// 57 93 | 94 100.
const std::vector<std::string> kBlock = {
    "KHON    NBM V4.2 NBS GUIDANCE    12/08/2026  1200 UTC",
    "DT  /DEC   8      /DEC   9                /DEC  10                /DEC 11",
    "UTC  18 21 00 03 06 09 12 15 18 21 00 03 06 09 12 15 18 21 00 03 06 09 12",
    "FHR   6  9 12 15 18 21 24 27 30 33 36 39 42 45 48 51 54 57 60 63 66 69 72",
    "TXN        33          18          31          -3          29          14",
    "XND         2           1           2           2           1           2",
    "TMP  29 27 25 23 22 21 21 26 31 32 28 25 23 21 20 24 29 30 26 23 21 19 18",
    "DPT  15 16 14 14  9-12 -5  0 16 16 15 14 13 13 12 14 15 14 14-99 13 14 12",
    "DSD   2  2  2  2  2  2  2  2  2  2  3  3  3  3  3  3  3  3  3  3  3  3  3",
    "SKY   0  6  7 31 32 56 57 93 94100 50 12  3 75 88 25 44 62100-99 90-88100",
    "WDR  34 34 35 35 36  0  1  1 05  3  2  1 36 35 34 33 32 32 31 31 30 30 29",
    "WSD   3  3  3-99  2  2  2  2  3  3  3  3  3  3  3  3  3  3  3  3  3  3  3",
    "WSP  14 13 12 11  9  6  7  8 10 11  8  6  5  7  6  5 10 10  7  7  5  6  8",
    "P06        10     5    20     0    35    10    40    30    20    10    20",
    "P12        15           5           0         100          37          20",
    "PRA 100100100 90 80 70100100100 90 80 70 60 50 40 30 20 10  0  0  0  0  0",
    "CIG   9-88 11 12-88-88  9  8  7  6  5  4  3  3  4  5  6  7  8  9 10 11 12",
};

const char* kSection =
    "KHON   NBM NBS GUIDANCE   12/08/2026  1200 UTC\n"
    "UTC   18 21 00 03 06 09 12 15 18 21 00 03 06 09 12 15 18 21 00\n"
    "N/X                     18          31          -3          29\n"
    "DPT   15 16 14 14  9-12 -5  0 16 16 15 14 13 13 12 14 15 14 14\n"
    "CLD   CL CL FW FW SC SC BK BK OV OV SC FW CL BK BK FW SC BK OV\n"
    "WDR   34 34 35 35 36  0  1  1  5  3  2  1 36 35 34 33 32 32 31\n"
    "WSP   14 13 12 11  9  6  7  8 10 11  8  6  5  7  6  5 10 10  7\n"
    "P12                      5           0         100          37\n";

// The translation of a block given as lines, header first.
bool Translate(const std::vector<std::string>& lines, std::string* section,
               std::string* err) {
  BlockHeader header;
  EXPECT_TRUE(RecognizeHeader(lines[0], &header)) << lines[0];
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return TranslateNbsBlock(header, text, section, err);
}

std::vector<std::string> WithLine(std::size_t index, const std::string& line) {
  std::vector<std::string> lines = kBlock;
  lines[index] = line;
  return lines;
}

// The block with field `column` of row `label` replaced by `field`.
std::vector<std::string> WithField(const std::string& label, int column,
                                   const std::string& field) {
  std::vector<std::string> lines = kBlock;
  for (std::string& line : lines)
    if (line.starts_with(label + " ")) line.replace(1 + 3 * column, 3, field);
  return lines;
}

std::string Refusal(const std::vector<std::string>& lines) {
  std::string section = "as it was", err;
  EXPECT_FALSE(Translate(lines, &section, &err));
  EXPECT_EQ(section, "as it was");
  return err;
}

TEST(TranslateNbsBlockTest, WritesTheSectionAlsoFromAWebCopy) {
  for (const std::string blanks : {"", " ", "   "}) {
    std::vector<std::string> lines = kBlock;
    for (std::string& line : lines) line = blanks + line;
    std::string section, err;
    ASSERT_TRUE(Translate(lines, &section, &err)) << err;
    EXPECT_EQ(section, kSection) << '"' << blanks << '"';
  }
  std::string section, err;
  ASSERT_TRUE(
      Translate(WithLine(0, "KBKX NBM V5.0 NBS GUIDANCE 9/01/2026 1200 UTC"),
                &section, &err));
  EXPECT_EQ(section.substr(0, section.find('\n')),
            "KBKX   NBM NBS GUIDANCE    9/01/2026  1200 UTC");
}

TEST(TranslateNbsBlockTest, NeedsEveryUsedValueAndOnlyThose) {
  struct Case {
    const char* label;
    int column;
    const char* field;
    std::string refusal;  // empty: translated
  };
  // clang-format off
  const Case cases[] = {
      {"SKY", 2, "   ", "The NBM guidance for KHON issued 12/08/2026 at 1200 has no SKY value at 21 UTC."},
      {"DPT", 1, "-99", "The NBM guidance for KHON issued 12/08/2026 at 1200 has no DPT value at 18 UTC."},
      {"WSP", 19, "-88", "The NBM guidance for KHON issued 12/08/2026 at 1200 has no WSP value at 00 UTC."},
      {"WDR", 3, " x5", "The NBM guidance for KHON issued 12/08/2026 at 1200 has no WDR value at 00 UTC."},
      {"DPT", 4, "14 ", "The NBM guidance for KHON issued 12/08/2026 at 1200 has no DPT value at 03 UTC."},
      {"TXN", 7, "   ", "The NBM guidance for KHON issued 12/08/2026 at 1200 has no TXN value at 12 UTC."},
      {"P12", 15, "-99", "The NBM guidance for KHON issued 12/08/2026 at 1200 has no P12 value at 12 UTC."},
      {"SKY", 2, "101", "The NBM guidance for KHON issued 12/08/2026 at 1200 has a SKY value of 101 at 21 UTC, outside 0 to 100."},
      {"SKY", 5, " -1", "The NBM guidance for KHON issued 12/08/2026 at 1200 has a SKY value of -1 at 06 UTC, outside 0 to 100."},
      {"WDR", 6, " 37", "The NBM guidance for KHON issued 12/08/2026 at 1200 has a WDR value of 37 at 09 UTC, outside 0 to 36."},
      {"WSP", 8, " -3", "The NBM guidance for KHON issued 12/08/2026 at 1200 has a WSP value of -3 at 15 UTC, below 0."},
      {"WSP", 9, "100", "The NBM guidance for KHON issued 12/08/2026 at 1200 has a WSP value of 100 at 18 UTC, too wide for the 1200 Model's rows (at most 99)."},
      {"DPT", 2, "100", "The NBM guidance for KHON issued 12/08/2026 at 1200 has a DPT value of 100 at 21 UTC, too wide for the 1200 Model's rows (at most 99)."},
      {"P12", 11, "101", "The NBM guidance for KHON issued 12/08/2026 at 1200 has a P12 value of 101 at 00 UTC, outside 0 to 100."},
      {"P12", 19, " -9", "The NBM guidance for KHON issued 12/08/2026 at 1200 has a P12 value of -9 at 00 UTC, outside 0 to 100."},
      {"TXN", 8, "  4", "The NBM guidance for KHON issued 12/08/2026 at 1200 has a TXN value at 15 UTC, where that row has none: the row is out of place."},
      {"P12", 22, "  0", "The NBM guidance for KHON issued 12/08/2026 at 1200 has a P12 value at 09 UTC, where that row has none: the row is out of place."},
      // Columns the section does not take.
      {"TXN", 3, "   ", ""},
      {"P12", 3, "-99", ""},
      {"DPT", 20, " ab", ""},
      {"WSP", 23, "-88", ""},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " " + std::to_string(c.column));
    const std::vector<std::string> lines =
        WithField(c.label, c.column, c.field);
    if (c.refusal.empty()) {
      std::string section, err;
      EXPECT_TRUE(Translate(lines, &section, &err)) << err;
    } else {
      EXPECT_EQ(Refusal(lines), c.refusal);
    }
  }
}

TEST(TranslateNbsBlockTest, RefusesBlocksOfAnotherShape) {
  // clang-format off
  const std::string notUtc = "The NBM guidance for KHON issued 12/08/2026 at 1200 has a UTC row other than the 1200 cycle's: 23 columns from 18 UTC to 12 UTC, every 3 hours.";
  // clang-format on
  std::vector<std::string> twoDpt = kBlock;
  twoDpt.push_back(kBlock[7]);
  std::vector<std::string> noSky = kBlock;
  noSky.erase(noSky.begin() + 9);
  const std::string utc = kBlock[2];
  // clang-format off
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {WithLine(2, "UTC  12 15 18 21 00 03 06 09 12 15 18 21 00 03 06 09 12 15 18 21 00 03 06"), notUtc},
      {WithLine(2, "UTC " + utc.substr(3)), notUtc},  // one column to the right
      {WithLine(2, utc + " 15"), notUtc},
      {WithLine(2, utc.substr(0, utc.size() - 3)), notUtc},
      {WithLine(2, "FHR"), "The NBM guidance for KHON issued 12/08/2026 at 1200 has no UTC row."},
      {noSky, "The NBM guidance for KHON issued 12/08/2026 at 1200 has no SKY row."},
      {WithLine(9, "SKYX  0"), "The NBM guidance for KHON issued 12/08/2026 at 1200 has no SKY row."},
      {twoDpt, "The NBM guidance for KHON issued 12/08/2026 at 1200 has two DPT rows."},
  };
  // clang-format on
  for (const auto& [lines, refusal] : cases)
    EXPECT_EQ(Refusal(lines), refusal) << lines[2];
}

// Four translations as sections 1 to 4 before the sample bulletin's sections
// 5 to 12: the blend readers take the block's values and stay in step.
TEST(TranslateNbsBlockTest, TheBlendReadersTakeTheBlocksValues) {
  const std::string sample = ReadFile(ORVANNE_SAMPLES "/orvanne_1200.txt");
  const std::size_t secondGroup = sample.find("KBKX   GFS");
  ASSERT_NE(secondGroup, std::string::npos);
  std::string bulletin;
  for (std::string_view station : kBulletinStations) {
    std::string section, err;
    ASSERT_TRUE(
        Translate(WithLine(0, std::string(station) +
                                  " NBM V4.2 NBS GUIDANCE 12/08/2026 1200 UTC"),
                  &section, &err))
        << err;
    bulletin += section + "\n";
  }
  TempDir dir;
  WriteFile(dir.Path("b.txt"), bulletin + sample.substr(secondGroup));
  StationRecords<ShortTempRecord> primaryTemp, secondaryTemp;
  StationRecords<ExtendedTempRecord> extendedTemp;
  StationRecords<ShortSkyRecord> primarySky, secondarySky;
  StationRecords<ExtendedSkyRecord> extendedSky;
  std::string err;
  ASSERT_TRUE(ReadTemperatureRows(primaryTemp, secondaryTemp, extendedTemp,
                                  dir.Path("b.txt"), &err))
      << err;
  ASSERT_TRUE(ReadSkyRows(primarySky, secondarySky, extendedSky,
                          dir.Path("b.txt"), &err))
      << err;
  for (int s = 0; s < kStationCount; ++s) {
    EXPECT_THAT(primaryTemp[s].nx, ElementsAre(18, 31, -3, 29));
    EXPECT_THAT(primaryTemp[s].dpt, ElementsAre(-5, 15, 12, 14));
    EXPECT_THAT(primaryTemp[s].p12, ElementsAre(5, 0, 100, 37));
    EXPECT_THAT(primarySky[s].cld, ElementsAre(0, 0, 2, 2, 3, 3, 7, 7, 10, 10,
                                               3, 2, 0, 7, 7, 2, 3, 7, 10));
    EXPECT_THAT(primarySky[s].wdr,
                ElementsAre(34, 34, 35, 35, 36, 0, 1, 1, 5, 3, 2, 1, 36, 35, 34,
                            33, 32, 32, 31));
    EXPECT_THAT(primarySky[s].wsp,
                ElementsAre(14, 13, 12, 11, 9, 6, 7, 8, 10, 11, 8, 6, 5, 7, 6,
                            5, 10, 10, 7));
  }
  // The sample's KBKX GFS section, read after the translations.
  EXPECT_THAT(secondaryTemp[0].nx, ElementsAre(19, 32, 17, 30));
  EXPECT_THAT(secondaryTemp[0].p12, ElementsAre(10, 5, 15, 36));
}

}  // namespace
