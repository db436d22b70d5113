#include "products/block_scanner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/temp_dir.h"

namespace {

// "STATION: kept text" for each block `contents` holds; every block kept.
std::vector<std::string> Blocks(const std::string& contents) {
  TempDir dir;
  WriteFile(dir.Path("f.txt"), contents);
  std::FILE* file = std::fopen(dir.Path("f.txt").c_str(), "rb");
  LineReader reader(file);
  std::vector<std::string> blocks;
  const std::size_t count = ScanBlocks(
      reader, [](const BlockHeader&) { return true; },
      [&](const ScannedBlock& block) {
        blocks.push_back(block.header.station + ": " + block.text +
                         (block.tooLong ? "<cut>" : ""));
      });
  std::fclose(file);
  EXPECT_EQ(count, blocks.size());
  return blocks;
}

const std::string kHeader = "KBKX   NAM MOS GUIDANCE   12/08/2026  1200 UTC";
const std::string kOther = "KFSD   NAM MOS GUIDANCE   12/08/2026  1200 UTC";

using Texts = std::vector<std::string>;

TEST(BlockScannerTest, WhereBlocksBeginAndEnd) {
  const std::string kept = "KBKX: " + kHeader + "\n R1\n";
  const std::pair<std::string, Texts> cases[] = {
      {"\x01\n849 \nFOUS45 KORV 081200\nNAMOR1\n\x1e" + kHeader +
           "\n R1\n\n \x03\n",
       {kept}},
      {"  \x1e" + kHeader + "\n R1\n", {"KBKX:   " + kHeader + "\n R1\n"}},
      {kHeader + "\n R1\n \t \nR2\n", {kept}},    // a line of blanks
      {kHeader + "\n R1\n" + kOther + "\n R3\n",  // the next header
       {kept, "KFSD: " + kOther + "\n R3\n"}},
      {kHeader + "\n R1\n \x03\n R2\n", {kept}},  // end of text
      {kHeader + "\n R1\n R2 \x03\n", {kept}},    // a 0x03 anywhere
      {kHeader + "\n R1\n\x01\n R2\n", {kept}},   // start of heading
      {kHeader + "\n R1\n\x1e R2\n", {kept}},     // a new record
      {kHeader + "\n R1\n" + std::string(5000, 'x') + "\n R2\n", {kept}},
      {kHeader + "\n R1", {kept}},  // the end of the file
      {kHeader + "\n", {"KBKX: " + kHeader + "\n"}},
      {"R0\n\n R1\n", {}},
      {"\x1e\n" + kHeader + "\n R1\n", {kept}},
      {kHeader + "\x03\n R1\n", {}},  // no header with a 0x03 in it
  };
  for (const auto& [contents, blocks] : cases)
    EXPECT_EQ(Blocks(contents), blocks) << contents;
}

TEST(BlockScannerTest, OnlyWhatIsWantedIsKeptAndABlockIsBounded) {
  std::string contents = kHeader + "\n";
  const std::string row(99, 'r');
  for (int i = 0; i < 400; ++i) contents += row + "\n";  // 40 KB
  contents += "\n" + kOther + "\n R1\n";

  TempDir dir;
  WriteFile(dir.Path("f.txt"), contents);
  std::FILE* file = std::fopen(dir.Path("f.txt").c_str(), "rb");
  LineReader reader(file);
  std::vector<ScannedBlock> blocks;
  ScanBlocks(
      reader, [](const BlockHeader& h) { return h.station == "KBKX"; },
      [&](const ScannedBlock& block) { blocks.push_back(block); });
  std::fclose(file);

  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_TRUE(blocks[0].kept);
  EXPECT_TRUE(blocks[0].tooLong);
  // Whole lines up to the bound: the header's 47 bytes and as many rows of
  // 100 as fit in the remaining 32721, 327.
  EXPECT_EQ(blocks[0].text.size(), kHeader.size() + 1 + 327 * 100);
  EXPECT_LE(blocks[0].text.size(), kMaxBlockLength);
  EXPECT_FALSE(blocks[1].kept);
  EXPECT_EQ(blocks[1].text, "");
  EXPECT_EQ(blocks[1].header.station, "KFSD");
}

// Outside a kept block a transmission line ends nothing that is held: the
// blocks found, their order and the kept lines are the same.
TEST(BlockScannerTest, TransmissionLinesOutsideAKeptBlock) {
  TempDir dir;
  WriteFile(dir.Path("f.txt"), kOther + "\n R3\n\x03\n\x01\n R4\n" + kHeader +
                                   "\n R1\n\x03\n R2\n");
  std::FILE* file = std::fopen(dir.Path("f.txt").c_str(), "rb");
  LineReader reader(file);
  std::vector<ScannedBlock> blocks;
  const std::size_t count = ScanBlocks(
      reader, [](const BlockHeader& h) { return h.station == "KBKX"; },
      [&](const ScannedBlock& block) { blocks.push_back(block); });
  std::fclose(file);
  EXPECT_EQ(count, 2u);
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0].header.station, "KFSD");
  EXPECT_FALSE(blocks[0].kept);
  EXPECT_TRUE(blocks[1].kept);
  EXPECT_EQ(blocks[1].text, kHeader + "\n R1\n");
}

}  // namespace
