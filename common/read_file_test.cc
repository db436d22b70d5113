#include "common/read_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/temp_dir.h"

namespace {

// Whole files of every length about the reads' size, and what is no file.
TEST(ReadFileTest, ReadsAWholeFileOrSaysItCouldNot) {
  TempDir dir;
  constexpr std::size_t kChunk = 16 << 10;
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, kChunk - 1, kChunk,
                           kChunk + 1, 3 * kChunk + 7}) {
    std::string written(size, 'x');
    for (std::size_t i = 0; i < size; i += 97) written[i] = '\n';
    const std::string path = dir.Path(std::to_string(size) + ".txt");
    WriteFile(path, written);
    std::string text = "left over";
    ASSERT_TRUE(ReadWholeFile(path, &text)) << size;
    EXPECT_EQ(text, written) << size;
  }
  std::string text;
  EXPECT_FALSE(ReadWholeFile(dir.Path("none"), &text));
  std::filesystem::create_directories(dir.Path("folder"));
  EXPECT_FALSE(ReadWholeFile(dir.Path("folder"), &text));
}

}  // namespace
