#include "products/block_scanner.h"

#include <cstring>
#include <string_view>

#include "common/token_reads.h"

namespace {

constexpr char kStartOfHeading = '\x01';
constexpr char kEndOfText = '\x03';
constexpr char kRecordSeparator = '\x1e';

enum class LineKind { kHeader, kRow, kBoundary };

bool Holds(std::string_view text, char byte) {
  return std::memchr(text.data(), byte, text.size()) != nullptr;
}

// What `line` is to the blocks. For a header, fills `header` and
// `separatorAt`, the position of a record separator to drop (or npos).
// Outside a kept block a transmission line may pass for a row: it ends
// nothing that is held.
LineKind ClassifyLine(const Line& line, bool inKeptBlock, BlockHeader* header,
                      std::size_t* separatorAt) {
  if (line.overlong) return LineKind::kBoundary;
  const std::string_view text = line.text;
  std::size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  if (first == text.size()) return LineKind::kBoundary;
  if (text[first] == kRecordSeparator) {
    if (!RecognizeHeader(text.substr(first + 1), header))
      return LineKind::kBoundary;
    *separatorAt = first;
    return LineKind::kHeader;
  }
  if (RecognizeHeader(text.substr(first), header)) {
    *separatorAt = std::string_view::npos;
    return LineKind::kHeader;
  }
  if (inKeptBlock && (Holds(text, kStartOfHeading) || Holds(text, kEndOfText)))
    return LineKind::kBoundary;
  return LineKind::kRow;
}

// Adds `line` and its line end to the kept text, unless the block would
// grow past its bound.
void KeepLine(ScannedBlock* block, std::string_view line) {
  if (block->tooLong) return;
  if (block->text.size() + line.size() + 1 > kMaxBlockLength) {
    block->tooLong = true;
    return;
  }
  block->text.append(line);
  block->text += '\n';
}

// Starts `block` at its header line, keeping the line when `keep` wants
// the block, without the record separator at `separatorAt`.
void StartBlock(ScannedBlock* block, const BlockHeader& header,
                std::string_view line, std::size_t separatorAt,
                const std::function<bool(const BlockHeader&)>& keep) {
  block->header = header;
  block->kept = keep(header);
  block->tooLong = false;
  block->text.clear();
  if (!block->kept) return;
  // A station block is a few kilobytes: room for one at once.
  block->text.reserve(std::size_t{4} << 10);
  if (separatorAt == std::string_view::npos) {
    KeepLine(block, line);
  } else {
    std::string unmarked(line);
    unmarked.erase(separatorAt, 1);
    KeepLine(block, unmarked);
  }
}

}  // namespace

std::size_t ScanBlocks(LineReader& reader,
                       const std::function<bool(const BlockHeader&)>& keep,
                       const std::function<void(const ScannedBlock&)>& found) {
  std::size_t count = 0;
  bool inBlock = false;
  ScannedBlock block;
  BlockHeader header;
  auto endBlock = [&] {
    if (!inBlock) return;
    inBlock = false;
    ++count;
    found(block);
  };

  Line line;
  for (;;) {
    const bool holding = inBlock && block.kept;
    // Outside a kept block only a header counts: the lines up to the next
    // are passed over.
    if (!holding && !reader.SkipToLineEndingIn(kHeaderEnding)) break;
    if (!reader.Next(line)) break;
    std::size_t separatorAt = std::string_view::npos;
    switch (ClassifyLine(line, holding, &header, &separatorAt)) {
      case LineKind::kHeader:
        endBlock();
        inBlock = true;
        StartBlock(&block, header, line.text, separatorAt, keep);
        break;
      case LineKind::kRow:
        if (holding) KeepLine(&block, line.text);
        break;
      case LineKind::kBoundary:
        endBlock();
        break;
    }
  }
  endBlock();
  return count;
}
