#include "products/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/temp_dir.h"

namespace {

// The lines of `contents` as the reader hands them out; "<overlong>" for
// an overlong one. With `ending`, only those it skips to.
std::vector<std::string> ReadLines(const std::string& contents,
                                   std::string_view ending = {}) {
  TempDir dir;
  WriteFile(dir.Path("f.txt"), contents);
  std::FILE* file = std::fopen(dir.Path("f.txt").c_str(), "rb");
  LineReader reader(file);
  std::vector<std::string> lines;
  Line line;
  while ((ending.empty() || reader.SkipToLineEndingIn(ending)) &&
         reader.Next(line))
    lines.push_back(line.overlong ? "<overlong>" : std::string(line.text));
  EXPECT_FALSE(reader.failed());
  std::fclose(file);
  return lines;
}

using Texts = std::vector<std::string>;

TEST(LineReaderTest, EveryLineEndAndNone) {
  const std::pair<std::string, Texts> cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r\r\nb\r\nc\nd", {"a", "b", "c", "d"}},
      {"\n\r\n\r\r\n", {"", "", ""}},
      {"a\rb\r\n", {"a\rb"}},  // a lone carriage return is no line end
      {"a\r\r", {"a"}},
      {" x \t\n", {" x \t"}},
  };
  for (const auto& [contents, lines] : cases)
    EXPECT_EQ(ReadLines(contents), lines) << contents;
}

TEST(LineReaderTest, ALineLongerThanTheBoundIsPassedOverWhole) {
  const std::string longest(kMaxLineLength, 'x');
  EXPECT_EQ(ReadLines(longest + "\nb\n"), (Texts{longest, "b"}));
  EXPECT_EQ(ReadLines("a\n" + longest + "x\nb"),
            (Texts{"a", "<overlong>", "b"}));
  // Carriage returns count towards the bound.
  EXPECT_EQ(ReadLines(longest + "\r\n"), (Texts{"<overlong>"}));
  // Longer than the reader's buffer, and at the very end.
  const std::string endless(std::size_t{3} << 20, 'y');
  EXPECT_EQ(ReadLines("a\n" + endless + "\nb\n" + endless),
            (Texts{"a", "<overlong>", "b", "<overlong>"}));
}

TEST(LineReaderTest, ManyLinesAcrossBufferRefills) {
  std::string contents;
  Texts lines;
  for (int i = 0; i < 100000; ++i) {
    lines.push_back(std::string(i % 90, 'a' + i % 26));
    contents += lines.back() + (i % 3 == 0 ? "\r\r\n" : "\n");
  }
  EXPECT_EQ(ReadLines(contents), lines);
}

TEST(LineReaderTest, SkipsToTheLinesEndingInAWord) {
  const std::string rows(40000, 'r');  // past the first buffer
  const std::string longest(kMaxLineLength, 'x');
  const std::pair<std::string, Texts> cases[] = {
      {"a\nb UTC\nc\n", {"b UTC"}},
      {"UTC", {"UTC"}},
      {"x UTC \t\r\n", {"x UTC \t"}},
      {"UTCx\nUT\nC\nUTC y\n", {}},
      {"a UTC b UTC\nUTC\n", {"a UTC b UTC", "UTC"}},
      {"\xEF\xBB\xBFK UTC\n", {"K UTC"}},
      {"z\n\xEF\xBB\xBFK UTC\n", {"\xEF\xBB\xBFK UTC"}},
      // Lines longer than a buffer may be handed out, as overlong.
      {rows + "\n" + rows + "\nK UTC\nr\n", {"<overlong>", "<overlong>", "K UTC"}},
      {rows + "UTC\n", {"<overlong>"}},
      {longest + "\nK UTC", {"K UTC"}},
      {std::string(32760, 'r') + "\nK  UTC\n", {"K  UTC"}},  // across a refill
  };
  for (const auto& [contents, lines] : cases)
    EXPECT_EQ(ReadLines(contents, "UTC"), lines) << contents.substr(0, 40);
}

TEST(LineReaderTest, AFolderFailsToRead) {
  TempDir dir;
  std::FILE* file = std::fopen(dir.path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  LineReader reader(file);
  Line line;
  EXPECT_FALSE(reader.Next(line));
  EXPECT_TRUE(reader.failed());
  std::fclose(file);
}

}  // namespace
