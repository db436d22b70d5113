#include "app/page_command.h"

#include <nlohmann/json.hpp>

#include "common/console.h"
#include "page/archive_records.h"
#include "page/build_pages.h"
#include "products/archive.h"
#include "verify/verification.h"
#include "verify/verification_json.h"

namespace {

// `verify --json`'s document for the days before the latest morning, or
// null when there is no morning or too few days are verified.
nlohmann::json VerificationDocument(const std::string& archive) {
  const std::vector<IssueDate> days = RecordDays(archive);
  Verification verification;
  std::string err;
  if (days.empty() ||
      !VerifyGuidance(archive, AddDays(days.back(), -1), kDefaultVerifiedDays,
                      &verification, &err))
    return nullptr;
  return nlohmann::json::parse(VerificationJson(verification));
}

}  // namespace

bool RebuildPages(const std::string& archive, Console& console) {
  const nlohmann::json verification = VerificationDocument(archive);
  std::vector<std::string> warnings;
  std::string err;
  const bool built = BuildPages(
      archive, verification.is_null() ? nullptr : &verification, &warnings,
      &err);
  for (const std::string& warning : warnings) PrintLine(console.err, warning);
  if (!built) PrintLine(console.err, err);
  return built;
}

ExitStatus PageCommand(const CommandArguments& args, Console& console,
                       std::string* usage) {
  if (!TakesNoOperand(args, usage)) return ExitStatus::kUsage;
  std::string archive;
  if (!ArchiveOf(args.values, &archive, usage)) return ExitStatus::kUsage;
  if (!RebuildPages(archive, console)) return ExitStatus::kRefused;
  PrintLine(console.out,
            Fill("The archive's page is {}/index.html.", {archive}));
  return ExitStatus::kWritten;
}
