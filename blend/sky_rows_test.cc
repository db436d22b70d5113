#include "blend/sky_rows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "blend/test_bulletin.h"
#include "tests/temp_dir.h"

namespace {

using ::testing::ElementsAre;

TEST(CloudCodeTest, EachLayoutHasItsOwnWords) {
  struct Case {
    const char* word;
    bool inShort;
    int shortCode;
    bool inExtended;
    int extendedCode;
  };
  const Case cases[] = {
      {"CL", true, 0, true, 0},    {"FW", true, 2, false, 0},
      {"SC", true, 3, false, 0},   {"BK", true, 7, false, 0},
      {"OV", true, 10, true, 10},  {"PC", false, 0, true, 5},
      {"CL|", false, 0, true, 0},  {"PC|", false, 0, true, 5},
      {"OV|", false, 0, true, 10}, {"ov", false, 0, false, 0},
      {"BK|", false, 0, false, 0},
  };
  for (const Case& c : cases) {
    std::int32_t code = -1;
    EXPECT_EQ(ShortCloudCode(c.word, code), c.inShort) << c.word;
    if (c.inShort) {
      EXPECT_EQ(code, c.shortCode) << c.word;
    }
    code = -1;
    EXPECT_EQ(ExtendedCloudCode(c.word, code), c.inExtended) << c.word;
    if (c.inExtended) {
      EXPECT_EQ(code, c.extendedCode) << c.word;
    }
  }
}

const char* kShortRows =
    "CLD CL FW SC BK OV CL CL CL CL CL CL CL CL CL CL CL CL CL OV BK\n"
    "WDR 05 10 15 20 25 30 35 01 02 03 04 05 06 07 08 09 10 11 12 13\n"
    "WSP 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 +19 20\n";

TEST(ReadShortSkySectionTest, ReadsNineteenEntriesOfEachRow) {
  std::istringstream in(kShortRows);
  ShortSkyRecord record;
  std::string error;
  ASSERT_TRUE(ReadShortSkySection(in, record, 1, error)) << error;
  EXPECT_EQ(record.cld[0], 0);
  EXPECT_EQ(record.cld[1], 2);
  EXPECT_EQ(record.cld[2], 3);
  EXPECT_EQ(record.cld[3], 7);
  EXPECT_EQ(record.cld[4], 10);
  EXPECT_EQ(record.cld[18], 10);
  EXPECT_EQ(record.wdr[0], 5);
  EXPECT_EQ(record.wdr[18], 12);
  EXPECT_EQ(record.wsp[18], 19);
}

TEST(ReadShortSkySectionTest, ProblemsAreReportedByRowAndWord) {
  const std::pair<std::string, std::string> cases[] = {
      {"CLD CL PC",
       "The bulletin could not be read: \"PC\" in row \"CLD\" of "
       "section 7 (KMHE) is not a known cloud cover word."},
      {"CLD CL " + std::string(40, 'Z'),
       "The bulletin could not be read: \"" + std::string(32, 'Z') +
           "...\" in row \"CLD\" of section 7 (KMHE) is not a known cloud "
           "cover "
           "word."},
      {"CLD CL O\x1b[2JV\x7f",
       "The bulletin could not be read: \"O?[2JV?\" in row "
       "\"CLD\" of section 7 (KMHE) is not a known cloud "
       "cover word."},
      {"CLD CL CL",
       "The bulletin could not be read: row \"CLD\" of section 7 "
       "(KMHE) is missing or incomplete."},
      {"CLD CL CL CL CL CL CL CL CL CL CL CL CL CL CL CL CL CL CL CL WDR 1 2 3 "
       "4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 WSP 1",
       "The bulletin could not be read: row \"WDR\" of section 7 (KMHE) is "
       "missing or incomplete."},
      {"no rows at all",
       "The bulletin could not be read: row \"CLD\" of "
       "section 7 (KMHE) is missing or incomplete."},
  };
  for (const auto& [text, message] : cases) {
    std::istringstream in(text);
    ShortSkyRecord record;
    std::string error;
    EXPECT_FALSE(ReadShortSkySection(in, record, 7, error)) << text;
    EXPECT_EQ(error, message) << text;
  }
}

TEST(ReadExtendedSkySectionTest, KeepsColumnsFiveToFifteen) {
  std::istringstream in(
      "CLD  OV| OV  PC| CL  CL| PC  OV| OV  PC| CL  CL| PC  PC| OV CL\n"
      "WND  12| 10  14| 11  13| 10   9| 12 15 |11  10|  9  12| 10 08\n");
  ExtendedSkyRecord record;
  std::string error;
  ASSERT_TRUE(ReadExtendedSkySection(in, record, 9, error)) << error;
  EXPECT_THAT(record.cld, ElementsAre(0, 5, 10, 10, 5, 0, 0, 5, 5, 10, 0))
      << "columns 5 to 15";
  EXPECT_THAT(record.wnd, ElementsAre(13, 10, 9, 12, 15, 11, 10, 9, 12, 10, 8));
}

TEST(ReadExtendedSkySectionTest, ShortRangeWordsAreUnknownThere) {
  std::istringstream in("CLD  OV| OV  PC| CL  SC| PC");
  ExtendedSkyRecord record;
  std::string error;
  EXPECT_FALSE(ReadExtendedSkySection(in, record, 12, error));
  EXPECT_EQ(error,
            "The bulletin could not be read: \"SC|\" in row \"CLD\" of "
            "section 12 (KFSD) is not a known cloud cover word.");
}

TEST(ReadExtendedSkySectionTest, TheLastSeparatorMayBeMissingAtTheEnd) {
  std::istringstream in(
      "CLD OV| OV PC| CL CL| PC OV| OV PC| CL CL| PC PC| OV CL\n"
      "WND 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 15");
  ExtendedSkyRecord record;
  std::string error;
  ASSERT_TRUE(ReadExtendedSkySection(in, record, 12, error)) << error;
  EXPECT_EQ(record.wnd[10], 15);
  std::istringstream cut(
      "CLD OV| OV PC| CL CL| PC OV| OV PC| CL CL| PC PC| OV CL\n"
      "WND 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14");
  EXPECT_FALSE(ReadExtendedSkySection(cut, record, 12, error));
  EXPECT_EQ(error,
            "The bulletin could not be read: row \"WND\" of section 12 "
            "(KFSD) is missing or incomplete.");
}

TEST(ReadSkyRowsTest, FillsEachGroupInStationOrder) {
  TestBulletin bulletin;
  for (int section = 1; section <= 8; ++section) {
    bulletin.Short(section).cld[0] = section % 2 ? "CL" : "BK";
    bulletin.Short(section).wdr[18] = section;
    bulletin.Short(section).wsp[0] = 10 + section;
  }
  for (int section = 9; section <= 12; ++section) {
    bulletin.Extended(section).cld[4] = "PC";
    bulletin.Extended(section).wnd[14] = section;
  }
  TempDir dir;
  WriteFile(dir.Path("b.txt"), bulletin.Text());
  StationRecords<ShortSkyRecord> eta, avn;
  StationRecords<ExtendedSkyRecord> ext;
  std::string error;
  ASSERT_TRUE(ReadSkyRows(eta, avn, ext, dir.Path("b.txt"), error)) << error;
  for (int s = 0; s < 4; ++s) {
    EXPECT_EQ(eta[s].cld[0], s % 2 ? 7 : 0);
    EXPECT_EQ(eta[s].wdr[18], 1 + s);
    EXPECT_EQ(avn[s].wsp[0], 15 + s);
    EXPECT_EQ(ext[s].cld[0], 5);
    EXPECT_EQ(ext[s].cld[1], 10);
    EXPECT_EQ(ext[s].wnd[10], 9 + s);
  }
}

}  // namespace
