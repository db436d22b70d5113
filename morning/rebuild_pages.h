#ifndef ORVANNE_MORNING_REBUILD_PAGES_H_
#define ORVANNE_MORNING_REBUILD_PAGES_H_

#include <string>

#include "common/console.h"
#include "runs/auto_ratio.h"

// The archive's pages rebuilt from its records, with the verification of
// the days before the latest morning: `page`, and `today` after its run.

enum class PagesOutcome {
  kWritten,
  kNotWritten,  // a page could not be written; its line was printed
};

// Rebuilds the pages of the archive folder `archive` (found already).
// `known` is the verification of the window before `knownMorning` when the
// caller made it (today's, for the ratio); it is used when that morning is
// the latest record's, and otherwise the window is verified here. Each
// record that cannot be read is named on `console.err`, and so is a page
// that could not be written.
PagesOutcome RebuildPages(const std::string& archive, Console& console,
                          const WindowVerification* known = nullptr,
                          const IssueDate* knownMorning = nullptr);

#endif  // ORVANNE_MORNING_REBUILD_PAGES_H_
