#include "blend/bulletin_rows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "blend/test_bulletin.h"
#include "tests/temp_dir.h"

namespace {

using ::testing::ElementsAre;

TEST(ReadShortTempSectionTest, TakesTheRowsWhereverTheyStand) {
  std::istringstream in(
      "KBKX NAM x x d 1200 TMP 1 2 X/N +5 -3 08 12 99 TMP 7 DPT 1 2 3 4 5 6 70 8 9 10 71 12 13 14 72 16 17 18 73 20 21 P06 1 P12 5 0 10 20 30");
  ShortTempRecord record;
  std::string error;
  ASSERT_TRUE(ReadShortTempSection(in, record, 1, &error));
  EXPECT_THAT(record.nx, ElementsAre(5, -3, 8, 12));
  EXPECT_THAT(record.dpt, ElementsAre(70, 71, 72, 73));
  EXPECT_THAT(record.p12, ElementsAre(5, 0, 10, 20));
}

TEST(ReadShortTempSectionTest, AShortRowIsReportedByItsLabel) {
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"N/X 1 2 3",
       "row \"N/X\" of section 6 (KHON) is missing or incomplete"},
      {"N/X 1 2 3 4 DPT 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 P12 1",
       "row \"DPT\" of section 6 (KHON) is missing or incomplete"},
      {"N/X 1 2 3 4 DPT 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 P12 1 2 x 4",
       "row \"P12\" of section 6 (KHON) is missing or incomplete"},
      {"N/X 1 2 3 4 DPT 1 2 3",
       "row \"DPT\" of section 6 (KHON) is missing or incomplete"},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.text);
    ShortTempRecord record;
    std::string error;
    EXPECT_FALSE(ReadShortTempSection(in, record, 6, &error)) << c.text;
    EXPECT_EQ(error, c.message) << c.text;
  }
}

TEST(ReadExtendedTempSectionTest, KeepsColumnsSixToFifteenGluedOrLoose) {
  std::istringstream in(
      "X/N  30| 16  34| 20  37| 24  40| 26  38| 18  30| 13  27| 12  25 18 33\n"
      "DPT 10 | 11 12 | 13 14 | 15 16 | 17 18 | 19 20 | 21 22 | 23 1000 9\n"
      "P24  |     35|     20|     10|     40|     30|     20|     15\n");
  ExtendedTempRecord record;
  std::string error;
  ASSERT_TRUE(ReadExtendedTempSection(in, record, 9, &error)) << error;
  EXPECT_THAT(record.xnFirst, ElementsAre(24, 26, 18, 13, 12));
  EXPECT_THAT(record.xnSecond, ElementsAre(40, 38, 30, 27, 25));
  EXPECT_THAT(record.dptFirst, ElementsAre(15, 17, 19, 21, 23));
  EXPECT_THAT(record.dptSecond, ElementsAre(16, 18, 20, 22, 1000));
  EXPECT_THAT(record.p24, ElementsAre(10, 40, 30, 20, 15));
}

TEST(ReadExtendedTempSectionTest, ALastTemperatureAbove999IsCutBySixDigits) {
  const std::string rest =
      " DPT 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 15 x P24 | 1| 2| 3| 4| 5| 6| 7";
  const std::pair<std::string, int> cases[] = {
      {"999", 999}, {"1000", 0}, {"25999999", 25}, {"-5000", -5000}};
  for (const auto& [written, kept] : cases) {
    std::istringstream in("X/N 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 " +
                          written + " 9" + rest);
    ExtendedTempRecord record;
    std::string error;
    ASSERT_TRUE(ReadExtendedTempSection(in, record, 9, &error)) << written;
    EXPECT_EQ(record.xnSecond[4], kept) << written;
  }
}

TEST(ReadExtendedTempSectionTest, AMissingSeparatorMakesTheRowUnreadable) {
  // Without the "|" after column 7 the character in its place would be the
  // "1" of 18, and column 8 would read as 8.
  const std::string missing[] = {
      "X/N 1| 2 3| 4 5| 6 7 18 9| 10 11| 12 13| 14 15 x",
      "X/N 1 22 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 15 x",
      "X/N 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 15 x DPT 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 15 x P24 55| 20| 10| 40| 30| 20| 15",
  };
  const std::string rows[] = {"X/N", "X/N", "P24"};
  for (int i = 0; i < 3; ++i) {
    std::istringstream in(missing[i]);
    ExtendedTempRecord record;
    std::string error;
    EXPECT_FALSE(ReadExtendedTempSection(in, record, 10, &error)) << missing[i];
    EXPECT_EQ(error, "row \"" + rows[i] +
                         "\" of section 10 (KHON) is missing or incomplete");
  }
}

TEST(ReadExtendedTempSectionTest, TheLastSeparatorMayBeMissingAtTheEnd) {
  std::istringstream in(
      "X/N 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 15 c DPT 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 15 c P24 | 1| 2| 3| 4| 5| 6| 7");
  ExtendedTempRecord record;
  std::string error;
  EXPECT_TRUE(ReadExtendedTempSection(in, record, 12, &error)) << error;
  EXPECT_EQ(record.p24[4], 7);
  std::istringstream cut("X/N 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 15");
  EXPECT_FALSE(ReadExtendedTempSection(cut, record, 12, &error));
  EXPECT_EQ(
      error,
      "row \"DPT\" of section 12 (KFSD) is missing or incomplete");
}

TEST(ReadExtendedTempSectionTest, ARowRightAfterAnXNRowLosesItsLabel) {
  // Nothing after column 15: the character read after it is the "D" of
  // "DPT", so the search has to go on to the next section's row.
  std::istringstream in(
      "X/N 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 15\nDPT 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 15 c P24 | 1| 2| 3| 4| 5| 6| 7");
  ExtendedTempRecord record;
  std::string error;
  EXPECT_FALSE(ReadExtendedTempSection(in, record, 9, &error));
  EXPECT_EQ(
      error,
      "row \"DPT\" of section 9 (KBKX) is missing or incomplete");
}

class ReadTemperatureRowsTest : public ::testing::Test {
 protected:
  bool Read(const TestBulletin& bulletin) {
    WriteFile(dir_.Path("b.txt"), bulletin.Text());
    return ReadTemperatureRows(eta_, avn_, ext_, dir_.Path("b.txt"), &error_);
  }

  TempDir dir_;
  StationRecords<ShortTempRecord> eta_, avn_;
  StationRecords<ExtendedTempRecord> ext_;
  std::string error_;
};

TEST_F(ReadTemperatureRowsTest, FillsEachGroupInStationOrder) {
  TestBulletin bulletin;
  for (int section = 1; section <= 8; ++section) {
    bulletin.Short(section).nx[0] = section;
    bulletin.Short(section).dpt[18] = 100 + section;
    bulletin.Short(section).p12[3] = 200 + section;
  }
  bulletin.Short(2).tempLabel = "X/N";
  for (int section = 9; section <= 12; ++section) {
    bulletin.Extended(section).xn[5] = section;
    bulletin.Extended(section).dpt[14] = -section;
    bulletin.Extended(section).p24[6] = 300 + section;
  }
  bulletin.lineEnd = "\r\r\n";
  ASSERT_TRUE(Read(bulletin)) << error_;
  for (int s = 0; s < 4; ++s) {
    EXPECT_EQ(eta_[s].nx[0], 1 + s);
    EXPECT_EQ(avn_[s].nx[0], 5 + s);
    EXPECT_EQ(eta_[s].dpt[3], 101 + s);
    EXPECT_EQ(avn_[s].p12[3], 205 + s);
    EXPECT_EQ(ext_[s].xnFirst[0], 9 + s);
    EXPECT_EQ(ext_[s].dptSecond[4], -9 - s);
    EXPECT_EQ(ext_[s].p24[4], 309 + s);
  }
}

TEST_F(ReadTemperatureRowsTest, AFailureLeavesTheArraysAlone) {
  TestBulletin bulletin;
  std::string text = bulletin.Text();
  eta_[0].nx[0] = 77;
  WriteFile(dir_.Path("b.txt"), text.substr(0, text.rfind("P24")));
  EXPECT_FALSE(
      ReadTemperatureRows(eta_, avn_, ext_, dir_.Path("b.txt"), &error_));
  EXPECT_EQ(
      error_,
      "The bulletin could not be read: row \"P24\" of section 12 (KFSD) is missing or incomplete.");
  EXPECT_EQ(eta_[0].nx[0], 77);
}

TEST_F(ReadTemperatureRowsTest, AMissingRowIsTakenFromTheNextSection) {
  // Section 3 has no "P12" row: its search takes section 4's, every later
  // section reads its successor's rows, and section 8 meets the extended
  // group's bar-separated "X/N" row.
  TestBulletin bulletin;
  std::string text = bulletin.Text();
  const std::size_t khmeP12 = text.find("P12", text.find("KMHE"));
  text.erase(khmeP12, 3);
  WriteFile(dir_.Path("b.txt"), text);
  EXPECT_FALSE(
      ReadTemperatureRows(eta_, avn_, ext_, dir_.Path("b.txt"), &error_));
  EXPECT_EQ(
      error_,
      "The bulletin could not be read: row \"N/X\" of section 8 (KFSD) is missing or incomplete.");
}

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
  ASSERT_TRUE(ReadShortSkySection(in, record, 1, &error)) << error;
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
       "\"PC\" in row \"CLD\" of section 7 (KMHE) is not a known cloud cover word"},
      {"CLD CL " + std::string(40, 'Z'),
       "\"" + std::string(32, 'Z') +
           "...\" in row \"CLD\" of section 7 (KMHE) is not a known cloud cover word"},
      {"CLD CL O\x1b[2JV\x7f",
       "\"O?[2JV?\" in row \"CLD\" of section 7 (KMHE) is not a known cloud cover word"},
      {"CLD CL CL",
       "row \"CLD\" of section 7 (KMHE) is missing or incomplete"},
      {"CLD CL CL CL CL CL CL CL CL CL CL CL CL CL CL CL CL CL CL CL WDR 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 WSP 1",
       "row \"WDR\" of section 7 (KMHE) is missing or incomplete"},
      {"no rows at all",
       "row \"CLD\" of section 7 (KMHE) is missing or incomplete"},
  };
  for (const auto& [text, message] : cases) {
    std::istringstream in(text);
    ShortSkyRecord record;
    std::string error;
    EXPECT_FALSE(ReadShortSkySection(in, record, 7, &error)) << text;
    EXPECT_EQ(error, message) << text;
  }
}

TEST(ReadExtendedSkySectionTest, KeepsColumnsFiveToFifteen) {
  std::istringstream in(
      "CLD  OV| OV  PC| CL  CL| PC  OV| OV  PC| CL  CL| PC  PC| OV CL\n"
      "WND  12| 10  14| 11  13| 10   9| 12 15 |11  10|  9  12| 10 08\n");
  ExtendedSkyRecord record;
  std::string error;
  ASSERT_TRUE(ReadExtendedSkySection(in, record, 9, &error)) << error;
  EXPECT_THAT(record.cld, ElementsAre(0, 5, 10, 10, 5, 0, 0, 5, 5, 10, 0))
      << "columns 5 to 15";
  EXPECT_THAT(record.wnd, ElementsAre(13, 10, 9, 12, 15, 11, 10, 9, 12, 10, 8));
}

TEST(ReadExtendedSkySectionTest, ShortRangeWordsAreUnknownThere) {
  std::istringstream in("CLD  OV| OV  PC| CL  SC| PC");
  ExtendedSkyRecord record;
  std::string error;
  EXPECT_FALSE(ReadExtendedSkySection(in, record, 12, &error));
  EXPECT_EQ(
      error,
      "\"SC|\" in row \"CLD\" of section 12 (KFSD) is not a known cloud cover word");
}

TEST(ReadExtendedSkySectionTest, TheLastSeparatorMayBeMissingAtTheEnd) {
  std::istringstream in(
      "CLD OV| OV PC| CL CL| PC OV| OV PC| CL CL| PC PC| OV CL\n"
      "WND 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14 15");
  ExtendedSkyRecord record;
  std::string error;
  ASSERT_TRUE(ReadExtendedSkySection(in, record, 12, &error)) << error;
  EXPECT_EQ(record.wnd[10], 15);
  std::istringstream cut(
      "CLD OV| OV PC| CL CL| PC OV| OV PC| CL CL| PC PC| OV CL\n"
      "WND 1| 2 3| 4 5| 6 7| 8 9| 10 11| 12 13| 14");
  EXPECT_FALSE(ReadExtendedSkySection(cut, record, 12, &error));
  EXPECT_EQ(
      error,
      "row \"WND\" of section 12 (KFSD) is missing or incomplete");
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
  ASSERT_TRUE(ReadSkyRows(eta, avn, ext, dir.Path("b.txt"), &error)) << error;
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
