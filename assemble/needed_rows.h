#ifndef ORVANNE_ASSEMBLE_NEEDED_ROWS_H_
#define ORVANNE_ASSEMBLE_NEEDED_ROWS_H_

#include <string_view>
#include <vector>

#include "products/block_header.h"

// The rows the 1200 Model reads from a block of `guidance` that `block`
// (its lines, header first, each ending in "\n") lacks, in the order they
// are read: short-range "N/X" (or "X/N"), "DPT", "P12", "CLD", "WDR",
// "WSP"; extended "X/N", "DPT", "P24", "CLD", "WND". A row is present when
// a line after the header has the label as its first word. A missing
// temperature row of either spelling is named by its first label.
std::vector<std::string_view> MissingRows(Guidance guidance,
                                          std::string_view block);

#endif  // ORVANNE_ASSEMBLE_NEEDED_ROWS_H_
