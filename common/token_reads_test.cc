#include "common/token_reads.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "common/scan_file.h"
#include "tests/temp_dir.h"

namespace {

TEST(BulletinReadsTest, IntegersStopBeforeTheFirstNonDigit) {
  std::istringstream in("30| -5 +7 08|x");
  std::int32_t value = 0;
  char c = 0;
  ASSERT_TRUE(ReadInt(in, value));
  EXPECT_EQ(value, 30);
  ASSERT_TRUE(ReadChar(in, c));
  EXPECT_EQ(c, '|');
  ASSERT_TRUE(ReadInt(in, value));
  EXPECT_EQ(value, -5);
  ASSERT_TRUE(ReadInt(in, value));
  EXPECT_EQ(value, 7);
  ASSERT_TRUE(ReadInt(in, value));
  EXPECT_EQ(value, 8);  // a leading zero is not octal
  ASSERT_TRUE(ReadChar(in, c));
  EXPECT_EQ(c, '|');
}

TEST(BulletinReadsTest, AFailedReadKeepsItsTargetAndFailsEveryLaterRead) {
  std::istringstream in("DPT 5 6");
  std::int32_t value = 42;
  EXPECT_FALSE(ReadInt(in, value));
  EXPECT_EQ(value, 42);
  std::string word = "kept";
  EXPECT_FALSE(ReadWord(in, word));
  EXPECT_EQ(word, "kept");
  char c = 'k';
  EXPECT_FALSE(ReadChar(in, c));
  EXPECT_EQ(c, 'k');
}

TEST(BulletinReadsTest, IntegersBeyond32BitsFail) {
  std::istringstream in("2147483647 2147483648");
  std::int32_t value = 0;
  ASSERT_TRUE(ReadInt(in, value));
  EXPECT_EQ(value, 2147483647);
  EXPECT_FALSE(ReadInt(in, value));
  EXPECT_EQ(value, 2147483647);
}

TEST(BulletinReadsTest, CarriageReturnsAreWhiteSpace) {
  std::istringstream in("KBKX\r\r\nETA\r\n12\r\n");
  std::string word;
  std::int32_t value = 0;
  ASSERT_TRUE(ReadWord(in, word));
  EXPECT_EQ(word, "KBKX");
  ASSERT_TRUE(ReadWord(in, word));
  EXPECT_EQ(word, "ETA");
  ASSERT_TRUE(ReadInt(in, value));
  EXPECT_EQ(value, 12);
  EXPECT_FALSE(ReadWord(in, word));
}

TEST(BulletinReadsTest, EveryReadSkipsCarriageReturns) {
  std::istringstream in("X\r\n-3.5\r\n|12|\r\n\r\n7\r\nEND\r");
  char c = 0;
  double value = 0;
  int hour = 0;
  std::int32_t number = 0;
  std::string word;
  ASSERT_TRUE(ReadChar(in, c));
  EXPECT_EQ(c, 'X');
  ASSERT_TRUE(ReadDouble(in, value));
  EXPECT_EQ(value, -3.5);
  ASSERT_TRUE(ReadDelimitedHour(in, hour));
  EXPECT_EQ(hour, 12);
  ASSERT_TRUE(ReadInt(in, number));
  EXPECT_EQ(number, 7);
  ASSERT_TRUE(ReadWord(in, word));
  EXPECT_EQ(word, "END");  // the last line's "\r" is not part of the word
  EXPECT_FALSE(ReadChar(in, c));
}

TEST(BulletinReadsTest, LongWordsAreCutButWhollyConsumed) {
  std::istringstream in(std::string(10000, 'a') + " next");
  std::string word;
  ASSERT_TRUE(ReadWord(in, word));
  EXPECT_EQ(word.size(), kMaxWordKept);
  ASSERT_TRUE(ReadWord(in, word));
  EXPECT_EQ(word, "next");
}

TEST(BulletinReadsTest, TheLastWordOfAFileIsReadWithoutALineEnd) {
  std::istringstream in("FHR");
  std::string word;
  ASSERT_TRUE(ReadWord(in, word));
  EXPECT_EQ(word, "FHR");
  EXPECT_TRUE(in.eof());
}

TEST(BulletinReadsTest, DelimitedHoursGluedOrApart) {
  std::istringstream in("|6| 1012 | 9 | 1013 /12/");
  int hour = 0;
  double pressure = 0;
  ASSERT_TRUE(ReadDelimitedHour(in, hour));
  EXPECT_EQ(hour, 6);
  ASSERT_TRUE(ReadDouble(in, pressure));
  EXPECT_EQ(pressure, 1012);
  ASSERT_TRUE(ReadDelimitedHour(in, hour));
  EXPECT_EQ(hour, 9);
  ASSERT_TRUE(ReadDouble(in, pressure));
  ASSERT_TRUE(ReadDelimitedHour(in, hour));
  EXPECT_EQ(hour, 12);
}

TEST(BulletinReadsTest, DoublesInEveryDecimalForm) {
  std::istringstream in("1.5 -2 .25 1e3 +4.");
  double value = 0;
  ASSERT_TRUE(ReadDouble(in, value));
  EXPECT_EQ(value, 1.5);
  ASSERT_TRUE(ReadDouble(in, value));
  EXPECT_EQ(value, -2);
  ASSERT_TRUE(ReadDouble(in, value));
  EXPECT_EQ(value, 0.25);
  ASSERT_TRUE(ReadDouble(in, value));
  EXPECT_EQ(value, 1000);
  ASSERT_TRUE(ReadDouble(in, value));
  EXPECT_EQ(value, 4);
  EXPECT_FALSE(ReadDouble(in, value));
}

TEST(BulletinReadsTest, NumbersAsTheStreamReadsThem) {
  std::istringstream in("1e 5");
  double value = 9;
  EXPECT_FALSE(ReadDouble(in, value));  // "1e" is taken and is no number
  EXPECT_EQ(value, 9);
  const std::pair<std::string, bool> doubles[] = {
      {"-", false},     {".", false},      {".e5", false},
      {"1e400", false}, {"-1e400", false}, {"1e-400", true},
      {"1.", true},     {"+.5e+2", true},  {"x", false}};
  for (const auto& [text, readable] : doubles) {
    std::istringstream one(text);
    EXPECT_EQ(ReadDouble(one, value), readable) << text;
  }
  std::istringstream half("+.5e+2|");
  ASSERT_TRUE(ReadDouble(half, value));
  EXPECT_EQ(value, 50);
  char c = 0;
  ASSERT_TRUE(ReadChar(half, c));
  EXPECT_EQ(c, '|');
}

TEST(BulletinReadsTest, IntegersAtTheEdgesOf32Bits) {
  std::istringstream in("-2147483648 -2147483649");
  std::int32_t value = 0;
  ASSERT_TRUE(ReadInt(in, value));
  EXPECT_EQ(value, -2147483648);
  EXPECT_FALSE(ReadInt(in, value));
  for (const std::string text : {"-", "+", "+|", "- 5"}) {
    std::istringstream one(text);
    EXPECT_FALSE(ReadInt(one, value)) << text;
  }
}

TEST(BulletinReadsTest, AnEndlessNumberIsRefusedNotHeld) {
  // Far longer than any bulletin value: refused whole, then nothing more.
  std::istringstream in(std::string(100000, '7') + " 5");
  double value = 1;
  EXPECT_FALSE(ReadDouble(in, value));
  EXPECT_EQ(value, 1);
  std::istringstream zeros("0." + std::string(200, '0') + "1 5");
  EXPECT_FALSE(ReadDouble(zeros, value));
  std::istringstream digits(std::string(100000, '9') + " 5");
  std::int32_t count = 3;
  EXPECT_FALSE(ReadInt(digits, count));
  EXPECT_EQ(count, 3);
}

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

namespace {

// The label search over a file read through ScanFile finds what it finds
// over the same text in memory, and leaves the same rest unread: labels
// and words that lie across the file buffer's boundaries, words that only
// begin like a label, the label as the file's last word.
TEST(SkipToLabelTest, AScannedFileFindsWhatTheTextFinds) {
  const std::string filler(8190, 'x');
  const struct {
    std::string text;
    std::string label, other;
  } cases[] = {
      {filler + " TMP 5", "TMP", "TMP"},      // across the boundary
      {filler + "\nXTMPY TMP 7", "TMP", "TMP"},
      {std::string(8189, ' ') + "N/X 3", "X/N", "N/X"},
      {filler + " TMPTMP " + filler + " TMP 9", "TMP", "TMP"},
      {"a\tb\r\nTMP", "TMP", "TMP"},          // the last word
      {"TMPX XTMP TMP 4", "TMP", "TMP"},      // only a whole word counts
      {"X/N 1 N/X 2", "N/X", "X/N"},          // the first of either
      {filler + "XX/N N/X 6", "N/X", "X/N"},
      {std::string(8189, ' ') + "TMP\n8", "TMP", "TMP"},  // ends at the edge
      {filler + " none here", "TMP", "TMP"},
      {std::string(20000, 'y'), "TMP", "TMP"},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const std::string path = dir.Path("scan.txt");
    std::ofstream(path, std::ios::binary) << c.text;
    ScanFile scanned(path);
    std::istringstream plain(c.text);
    const bool found = SkipToLabel(plain, c.label, c.other);
    EXPECT_EQ(SkipToLabel(scanned, c.label, c.other), found)
        << c.text.substr(0, 20);
    EXPECT_EQ(scanned.eof(), plain.eof());
    std::string scannedRest, plainRest;
    ReadWord(scanned, scannedRest);
    ReadWord(plain, plainRest);
    EXPECT_EQ(scannedRest, plainRest);
  }
}

}  // namespace
