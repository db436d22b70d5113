#include "common/skip_to_label.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/temp_dir.h"

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

namespace {

// A stream buffer that reads ahead nothing, as a console may be.
class OneAtATime : public std::streambuf {
 public:
  explicit OneAtATime(std::string text) : text_(std::move(text)) {}

 protected:
  int_type underflow() override {
    return at_ < text_.size() ? traits_type::to_int_type(text_[at_])
                              : traits_type::eof();
  }
  int_type uflow() override {
    return at_ < text_.size() ? traits_type::to_int_type(text_[at_++])
                              : traits_type::eof();
  }

 private:
  std::string text_;
  std::size_t at_ = 0;
};

TEST(SkipToLabelTest, WorksOnAStreamThatReadsAheadNothing) {
  OneAtATime buffer("FH FHRR xFHR FHR 6 N/X");
  std::istream in(&buffer);
  EXPECT_TRUE(SkipToLabel(in, "FHR"));
  EXPECT_EQ(NextWord(in), "6");
  EXPECT_TRUE(SkipToLabel(in, "X/N", "N/X"));
  EXPECT_TRUE(in.eof());
  EXPECT_FALSE(SkipToLabel(in, "X/N", "N/X"));
}

TEST(SkipToLabelTest, WordsSplitAcrossBufferRefills) {
  TempDir dir;
  WriteFile(dir.Path("b.txt"), "FH\r\nFHRX F FHR  7\nFHR");
  char small[3];
  std::ifstream in;
  in.rdbuf()->pubsetbuf(small, sizeof small);
  in.open(dir.Path("b.txt"));
  EXPECT_TRUE(SkipToLabel(in, "FHR"));
  EXPECT_EQ(NextWord(in), "7");
  EXPECT_TRUE(SkipToLabel(in, "FHR"));  // the last word of the file
  EXPECT_FALSE(SkipToLabel(in, "FHR"));
}

}  // namespace
