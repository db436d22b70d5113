#ifndef ORVANNE_PRODUCTS_BLOCK_SCANNER_H_
#define ORVANNE_PRODUCTS_BLOCK_SCANNER_H_

#include <cstddef>
#include <functional>
#include <string>

#include "products/block_header.h"
#include "products/line_reader.h"

// Finds the station blocks of issued guidance products in one pass over
// their lines.
//
// A block starts at a header line (RecognizeHeader, after any blanks and a
// record separator byte 0x1E glued to its first word) and takes the lines
// after it up to the first line that is not one of its rows:
// - an empty line, or one of blanks only;
// - the next header line;
// - a transmission line: one holding a start of heading (0x01) or end of
//   text (0x03) byte anywhere;
// - a line starting (after blanks) with a record separator, which starts a
//   new record;
// - an overlong line (see LineReader), which no product holds;
// - the end of the file.
// Every line outside blocks is passed over.

// No station block comes near this; a longer one keeps only its beginning
// and is marked.
inline constexpr std::size_t kMaxBlockLength = std::size_t{32} << 10;

struct ScannedBlock {
  BlockHeader header;
  // When the caller kept the block: its lines, header first, each ending in
  // "\n", as they stand but for their line ends and the record separator
  // before the header. At most kMaxBlockLength bytes, whole lines.
  std::string text;
  bool kept = false;
  bool tooLong = false;  // `text` holds only the block's beginning
};

// Reads every line of `reader`. At each block's header, `keep(header)` says
// whether its lines are wanted (only wanted lines are held, one block at a
// time); at the block's end `found(block)` gets it. Returns how many blocks
// were found.
std::size_t ScanBlocks(LineReader& reader,
                       const std::function<bool(const BlockHeader&)>& keep,
                       const std::function<void(const ScannedBlock&)>& found);

#endif  // ORVANNE_PRODUCTS_BLOCK_SCANNER_H_
