#include "common/skip_to_label.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string NextWord(std::istream& in) {
  std::string word;
  in >> word;
  return word;
}

TEST(SkipToLabelTest, ConsumesTheLabelAndStopsRightAfterIt) {
  std::istringstream in("title FHR: fhr FHRX FHR 6 1012");
  EXPECT_TRUE(SkipToLabel(in, "FHR"));
  EXPECT_EQ(NextWord(in), "6");
}

TEST(SkipToLabelTest, TheFirstWordCounts) {
  std::istringstream in("FHR|6|");
  EXPECT_FALSE(SkipToLabel(in, "FHR"));  // "FHR|6|" is one word
  std::istringstream table("FHR\r\n|6|");
  EXPECT_TRUE(SkipToLabel(table, "FHR"));
  EXPECT_EQ(NextWord(table), "|6|");
}

TEST(SkipToLabelTest, AlwaysReadsAtLeastOneWord) {
  std::istringstream in("FHR FHR x");
  EXPECT_TRUE(SkipToLabel(in, "FHR"));
  EXPECT_TRUE(SkipToLabel(in, "FHR"));
  EXPECT_EQ(NextWord(in), "x");
}

TEST(SkipToLabelTest, StopsAtTheEndOfInput) {
  std::istringstream in("no label here\n");
  EXPECT_FALSE(SkipToLabel(in, "FHR"));
  EXPECT_TRUE(in.eof());
  std::istringstream empty("");
  EXPECT_FALSE(SkipToLabel(empty, "FHR"));
  std::istringstream labelLast("a FHR");
  EXPECT_TRUE(SkipToLabel(labelLast, "FHR"));
}

TEST(SkipToLabelTest, EitherOfTwoLabels) {
  std::istringstream in("DPT X/N 1 N/X 2");
  EXPECT_TRUE(SkipToLabel(in, "N/X", "X/N"));
  EXPECT_EQ(NextWord(in), "1");
  EXPECT_TRUE(SkipToLabel(in, "N/X", "X/N"));
  EXPECT_EQ(NextWord(in), "2");
}

TEST(SkipToLabelTest, LabelsEndingCrLfLinesMatch) {
  std::istringstream in("KBKX GFS\r\n\r\nDPT\r\n1 X/N\r\n2\r\n");
  EXPECT_TRUE(SkipToLabel(in, "GFS"));
  EXPECT_TRUE(SkipToLabel(in, "N/X", "X/N"));
  EXPECT_EQ(NextWord(in), "2");
  EXPECT_FALSE(SkipToLabel(in, "DPT"));
}

TEST(SkipToLabelTest, AnOverlongWordEndingInTheLabelDoesNotMatch) {
  std::istringstream in(std::string(1000, 'x') + "FHR 7 FHR 8");
  EXPECT_TRUE(SkipToLabel(in, "FHR"));
  EXPECT_EQ(NextWord(in), "8");
}

}  // namespace
