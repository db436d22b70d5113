#include "common/bulletin_reads.h"

#include <gtest/gtest.h>

#include <sstream>

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

}  // namespace
