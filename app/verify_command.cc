#include "app/verify_command.h"

#include "common/console.h"
#include "products/archive.h"
#include "verify/verification.h"
#include "verify/verification_table.h"

ExitStatus VerifyCommand(const CommandArguments& args, Console& console,
                         std::string* usage) {
  if (!args.operands.empty()) {
    *usage = Fill("verify takes no file name, not '{}'", {args.operands[0]});
    return ExitStatus::kUsage;
  }
  std::string archive;
  std::string problem;
  if (!ArchiveFolder(args.values.archive.value_or(""), &archive, &problem)) {
    PrintLine(console.err, problem);
    return ExitStatus::kRefused;
  }
  const IssueDate until = args.values.until.value_or(AddDays(TodayUtc(), -1));
  Verification verification;
  if (!VerifyGuidance(archive, until,
                      args.values.days.value_or(kDefaultVerifiedDays),
                      &verification, &problem)) {
    PrintLine(console.err, problem);
    return ExitStatus::kRefused;
  }
  PrintVerification(console.out, verification);
  return ExitStatus::kWritten;
}
