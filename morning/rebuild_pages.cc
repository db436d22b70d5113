#include "morning/rebuild_pages.h"

#include <vector>

#include "page/archive_records.h"
#include "page/build_pages.h"

PagesOutcome RebuildPages(const std::string& archive, Console& console,
                          const WindowVerification* known,
                          const IssueDate* knownMorning) {
  const std::vector<IssueDate> days = RecordDays(archive);
  WindowVerification window;
  if (!days.empty()) {
    if (known && knownMorning && *knownMorning == days.back())
      window = *known;
    else
      window = VerifyWindowBefore(archive, days.back());
  }
  // Too few verified days still give what was observed, which the pages
  // show; their section on the guidance then says too few.
  std::vector<std::string> warnings;
  std::string err;
  const bool built = BuildPages(
      archive, days.empty() ? nullptr : &window.verification, &warnings, &err);
  for (const std::string& warning : warnings) PrintLine(console.err, warning);
  if (built) return PagesOutcome::kWritten;
  PrintLine(console.err, err);
  return PagesOutcome::kNotWritten;
}
