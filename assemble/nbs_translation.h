#ifndef ORVANNE_ASSEMBLE_NBS_TRANSLATION_H_
#define ORVANNE_ASSEMBLE_NBS_TRANSLATION_H_

#include <string>
#include <string_view>

#include "products/block_header.h"

// Translates one station block of the NBM guidance (product NBS) of the 1200
// cycle into the short-range section the 1200 Model reads. `header` is the
// block's recognised header; `text` its lines, header first, each ending in
// "\n" (see ScannedBlock); a web copy may put blanks before every line.
// On success `section` holds the section's eight lines, each ending in '\n'
// (no empty line after); on failure `err` holds the one-line refusal and
// `section` is left as it was.
//
// The section is the station's header under the model word NBM, the UTC line
// of its 19 columns, and the rows N/X and P12 (columns 7, 11, 15 and 19 of
// the block's TXN and P12), DPT, WDR and WSP (columns 1 to 19 as they stand)
// and CLD (each SKY percentage turned into the cloud word of its nearest
// whole number of eighths). A needed value that is missing or outside what
// the row can mean refuses the whole block.
bool TranslateNbsBlock(const BlockHeader& header, std::string_view text,
                       std::string* section, std::string* err);

#endif  // ORVANNE_ASSEMBLE_NBS_TRANSLATION_H_
