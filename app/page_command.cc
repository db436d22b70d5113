#include "app/page_command.h"

#include "common/console.h"
#include "page/archive_records.h"
#include "page/build_pages.h"
#include "products/archive.h"
#include "verify/verification.h"

namespace {

// The verification of the days before the latest morning; false when there
// is no morning. Too few verified days still give what was observed, which
// the pages show; their section on the guidance then says too few.
bool VerifyBeforeLatest(const std::string& archive,
                        Verification* verification) {
  const std::vector<IssueDate> days = RecordDays(archive);
  std::string err;
  if (days.empty()) return false;
  VerifyGuidance(archive, AddDays(days.back(), -1), kDefaultVerifiedDays,
                 verification, &err);
  return true;
}

}  // namespace

bool RebuildPages(const std::string& archive, Console& console) {
  Verification verification;
  const bool verified = VerifyBeforeLatest(archive, &verification);
  std::vector<std::string> warnings;
  std::string err;
  const bool built = BuildPages(archive, verified ? &verification : nullptr,
                                &warnings, &err);
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
