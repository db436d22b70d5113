#include "common/report_file_name.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportFileNameTest, ReplacesTheLastThreeCharacters) {
  EXPECT_EQ(ReportFileName("bulletin.txt"), "bulletin.out");
  EXPECT_EQ(ReportFileName("gfs.text"), "gfs.tout");
  EXPECT_EQ(ReportFileName("abc"), "out");
  EXPECT_EQ(ReportFileName("noextension"), "noextensout");
}

TEST(ReportFileNameTest, KeepsTheFolders) {
  EXPECT_EQ(ReportFileName("data/today/eta.txt"), "data/today/eta.out");
  EXPECT_EQ(ReportFileName("../x.txt"), "../x.out");
}

TEST(ReportFileNameTest, LongNamesAreNotCut) {
  const std::string name(200, 'a');
  EXPECT_EQ(ReportFileName(name + ".txt"), name + ".out");
}

}  // namespace
