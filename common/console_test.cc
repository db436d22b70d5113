#include "common/console.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(ConsoleReadsTest, TypedAheadWordsAnswerTheNextReads) {
  std::istringstream in("1 2 a.txt\n");
  std::string word;
  int unit = 0;
  ASSERT_TRUE(ReadConsoleWord(in, word));
  EXPECT_EQ(word, "1");
  ASSERT_TRUE(ReadConsoleInt(in, unit));
  EXPECT_EQ(unit, 2);
  ASSERT_TRUE(ReadConsoleWord(in, word));
  EXPECT_EQ(word, "a.txt");
  EXPECT_FALSE(ReadConsoleWord(in, word));
  EXPECT_TRUE(ConsoleEnded(in));
}

TEST(ConsoleReadsTest, AnIntegerGluedToAWordLeavesTheWord) {
  std::istringstream in("2abc\n");
  int unit = 0;
  std::string word;
  ASSERT_TRUE(ReadConsoleInt(in, unit));
  EXPECT_EQ(unit, 2);
  ASSERT_TRUE(ReadConsoleWord(in, word));
  EXPECT_EQ(word, "abc");
}

TEST(ConsoleReadsTest, ANonNumberIsDroppedWholeAndTheConsoleGoesOn) {
  std::istringstream in("abc 99999999999 -x 1e 7 next\n");
  int unit = 5;
  EXPECT_FALSE(ReadConsoleInt(in, unit));
  EXPECT_FALSE(ConsoleEnded(in));
  EXPECT_FALSE(ReadConsoleInt(in, unit));  // too large for an int
  EXPECT_FALSE(ConsoleEnded(in));
  EXPECT_FALSE(ReadConsoleInt(in, unit));
  EXPECT_EQ(unit, 5);
  double ratio = 0;
  EXPECT_FALSE(ReadConsoleDouble(in, ratio));
  EXPECT_FALSE(ConsoleEnded(in));
  ASSERT_TRUE(ReadConsoleDouble(in, ratio));
  EXPECT_EQ(ratio, 7);
  std::string word;
  ASSERT_TRUE(ReadConsoleWord(in, word));
  EXPECT_EQ(word, "next");
}

TEST(ConsoleReadsTest, EndOfInputIsNotANonNumber) {
  std::istringstream in("  \n ");
  int unit = 0;
  EXPECT_FALSE(ReadConsoleInt(in, unit));
  EXPECT_TRUE(ConsoleEnded(in));
  std::istringstream last("0.7");
  double ratio = 0;
  ASSERT_TRUE(ReadConsoleDouble(last, ratio));
  EXPECT_EQ(ratio, 0.7);
  EXPECT_FALSE(ConsoleEnded(last));
}

}  // namespace
