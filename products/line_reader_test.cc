#include "products/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/temp_dir.h"

namespace {

// The lines of `contents` as the reader hands them out; "<overlong>" for
// an overlong one.
std::vector<std::string> ReadLines(const std::string& contents) {
  TempDir dir;
  WriteFile(dir.Path("f.txt"), contents);
  std::FILE* file = std::fopen(dir.Path("f.txt").c_str(), "rb");
  LineReader reader(file);
  std::vector<std::string> lines;
  Line line;
  while (reader.Next(line))
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
