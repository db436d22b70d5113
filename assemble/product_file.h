#ifndef ORVANNE_ASSEMBLE_PRODUCT_FILE_H_
#define ORVANNE_ASSEMBLE_PRODUCT_FILE_H_

#include <string>

#include "assemble/section_choice.h"

// Reads the file `name`, number `file` of the command, in one pass and
// gives every station block it holds to `collector`. False, with one line
// in `err`, when the file cannot be opened or read to its end, or holds
// no station block at all.
bool CollectProductFile(const std::string& name, int file,
                        SectionCollector& collector, std::string* err);

#endif  // ORVANNE_ASSEMBLE_PRODUCT_FILE_H_
