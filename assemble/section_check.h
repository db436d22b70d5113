#ifndef ORVANNE_ASSEMBLE_SECTION_CHECK_H_
#define ORVANNE_ASSEMBLE_SECTION_CHECK_H_

#include <string>
#include <vector>

#include "assemble/section_choice.h"

// The checks of the chosen sections before anything is written, and the
// translation of the NBM blocks between them. Each adds one line per
// problem to the section's refusals; `fileNames` names the files by number.

// A block found twice with different lines, and a block that runs on past
// kMaxBlockLength bytes.
void CheckFoundBlocks(const ChosenSections& chosen,
                      const std::vector<std::string>& fileNames,
                      Refusals* refusals);

// Turns each chosen NBM block into the short-range section the 1200 Model
// reads (TranslateNbsBlock), or refuses it.
void TranslateNbmBlocks(ChosenSections* chosen, Refusals* refusals);

// The rows the 1200 Model reads, by label, in each block taken as issued.
void CheckRowLabels(const ChosenSections& chosen, Refusals* refusals);

// One date word in all twelve headers, as the header check compares them.
void CheckDateWords(const ChosenSections& chosen, Refusals* refusals);

// Reads each chosen section, then the whole bulletin, with the 1200
// Model's own header check and row readers, as menu entry 1 would: a
// section they refuse is refused with their reason.
void CheckWithTheModelsReading(const ChosenSections& chosen,
                               const std::vector<std::string>& fileNames,
                               Refusals* refusals);

// The bulletin: each section's text, then an empty line.
std::string BulletinText(const ChosenSections& chosen);

#endif  // ORVANNE_ASSEMBLE_SECTION_CHECK_H_
