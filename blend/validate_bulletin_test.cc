#include "blend/validate_bulletin.h"

#include <gtest/gtest.h>

#include <utility>

#include "blend/test_bulletin.h"
#include "tests/temp_dir.h"

namespace {

class ValidateBulletinTest : public ::testing::Test {
 protected:
  bool Valid(const std::string& text) {
    WriteFile(dir_.Path("b.txt"), text);
    std::string err;
    const bool valid = ValidateBulletin(dir_.Path("b.txt"), &err);
    EXPECT_EQ(err, valid ? "" : "Your input file is invalid.");
    return valid;
  }
  bool Valid(const TestBulletin& bulletin) { return Valid(bulletin.Text()); }

  TempDir dir_;
};

TEST_F(ValidateBulletinTest, AcceptsTheTwelveHeadersInOrder) {
  TestBulletin bulletin;
  EXPECT_TRUE(Valid(bulletin));
  bulletin.lineEnd = "\r\r\n";
  EXPECT_TRUE(Valid(bulletin));
}

TEST_F(ValidateBulletinTest, EachSectionNamesEitherModelOfItsGroup) {
  TestBulletin bulletin;
  bulletin.Short(1).model = "ETA";
  bulletin.Short(3).model = "NBM";
  bulletin.Short(5).model = "AVN";
  bulletin.Short(8).model = "AVN";
  bulletin.Extended(10).model = "MRF";
  EXPECT_TRUE(Valid(bulletin));
  bulletin.Short(1).model = "NBM";
  EXPECT_TRUE(Valid(bulletin));
}

TEST_F(ValidateBulletinTest, TellsTheDateAndTheWordsOfSectionsOneAndFive) {
  TestBulletin bulletin;
  bulletin.Short(1).model = "NBM";
  bulletin.Short(2).model = "ETA";
  bulletin.Short(5).model = "AVN";
  bulletin.Short(6).model = "GFS";
  WriteFile(dir_.Path("b.txt"), bulletin.Text());
  std::string err;
  BulletinHeaders headers;
  ASSERT_TRUE(ValidateBulletin(dir_.Path("b.txt"), &err, &headers));
  EXPECT_EQ(headers.issueDateWord, "12/08/2026");
  EXPECT_EQ(headers.issueDate, (IssueDate{2026, 12, 8}));
  EXPECT_EQ(headers.primaryModel, "NBM");
  EXPECT_EQ(headers.secondaryModel, "AVN");
}

TEST_F(ValidateBulletinTest, RefusesAWrongModelOrCycle) {
  const std::pair<const char*, void (*)(TestBulletin&)> faults[] = {
      {"AVN in group 1", [](TestBulletin& b) { b.Short(2).model = "AVN"; }},
      {"NBM in group 2", [](TestBulletin& b) { b.Short(7).model = "NBM"; }},
      {"NBM in group 3", [](TestBulletin& b) { b.Extended(9).model = "NBM"; }},
      {"GFS first", [](TestBulletin& b) { b.Short(1).model = "GFS"; }},
      {"0000 in group 2", [](TestBulletin& b) { b.Short(6).cycle = "0000"; }},
      {"1200 in group 3",
       [](TestBulletin& b) { b.Extended(12).cycle = "1200"; }},
      {"0000 first", [](TestBulletin& b) { b.Short(1).cycle = "0000"; }},
      {"lower case", [](TestBulletin& b) { b.Extended(9).model = "eta"; }},
  };
  for (const auto& [fault, make] : faults) {
    TestBulletin bulletin;
    make(bulletin);
    EXPECT_FALSE(Valid(bulletin)) << fault;
  }
}

TEST_F(ValidateBulletinTest, EverySectionCarriesTheFirstHeadersDate) {
  TestBulletin bulletin;
  const std::string text = bulletin.Text();
  // The extended group's date is the last one in the file.
  const std::size_t last = text.rfind("12/08/2026");
  std::string changed = text;
  changed.replace(last, 10, "12/09/2026");
  EXPECT_FALSE(Valid(changed));
}

TEST_F(ValidateBulletinTest, TheFileMustStartWithTheFirstHeader) {
  TestBulletin bulletin;
  EXPECT_FALSE(Valid("FOUS14 KWBC 081200\n" + bulletin.Text()));
  EXPECT_FALSE(Valid(""));
  std::string err;
  EXPECT_FALSE(ValidateBulletin(dir_.Path("missing.txt"), &err));
}

TEST_F(ValidateBulletinTest, SectionsOutOfOrderAreFoundInTheWrongPlace) {
  // Group 2 lists KHON ahead of KBKX: the scan for KBKX passes over the KHON
  // section, and the scan for KHON lands on the extended group's header.
  TestBulletin bulletin;
  std::string text = bulletin.Text();
  const std::size_t khon = text.find("KHON   GFS");
  const std::size_t bkx = text.find("KBKX   GFS");
  const std::size_t mhe = text.find("KMHE   GFS");
  ASSERT_LT(bkx, khon);
  const std::string swapped = text.substr(0, bkx) +
                              text.substr(khon, mhe - khon) +
                              text.substr(bkx, khon - bkx) + text.substr(mhe);
  EXPECT_FALSE(Valid(swapped));
}

TEST_F(ValidateBulletinTest, AFileEndingBeforeAStationIsReachedIsInvalid) {
  TestBulletin bulletin;
  const std::string text = bulletin.Text();
  const std::size_t lastStation = text.rfind("KFSD");
  EXPECT_FALSE(Valid(text.substr(0, lastStation)));
  // The station word as the very last thing in the file: the read that
  // returns it also reports the end of input.
  EXPECT_FALSE(Valid(text.substr(0, lastStation + 4)));
}

TEST_F(ValidateBulletinTest, RowsAreNotExamined) {
  TestBulletin bulletin;
  bulletin.Short(3).cld.fill("??");
  std::string text = bulletin.Text();
  text += "KBKX ETA anything after the twelfth header\n";
  EXPECT_TRUE(Valid(text));
}

TEST_F(ValidateBulletinTest, ADateTooLongToCompareIsRefused) {
  TestBulletin bulletin;
  bulletin.date = std::string(100, '1');
  EXPECT_FALSE(Valid(bulletin));
}

}  // namespace
