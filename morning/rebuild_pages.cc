#include "morning/rebuild_pages.h"

#include <nlohmann/json.hpp>
#include <vector>

#include "page/archive_records.h"
#include "page/build_pages.h"
#include "verify/verification_json.h"

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
  const nlohmann::json verification =
      window.verified
          ? nlohmann::json::parse(VerificationJson(window.verification))
          : nlohmann::json();
  std::vector<std::string> warnings;
  std::string err;
  const bool built = BuildPages(
      archive, verification.is_null() ? nullptr : &verification, &warnings,
      &err);
  for (const std::string& warning : warnings) PrintLine(console.err, warning);
  if (built) return PagesOutcome::kWritten;
  PrintLine(console.err, err);
  return PagesOutcome::kNotWritten;
}
