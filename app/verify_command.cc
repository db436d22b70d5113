#include "app/verify_command.h"

#include "app/run_commands.h"
#include "common/console.h"
#include "products/archive.h"
#include "verify/verification.h"
#include "verify/verification_json.h"
#include "verify/verification_table.h"

ExitStatus VerifyCommand(const CommandArguments& args, Console& console,
                         std::string* usage) {
  std::string archive;
  if (!TakesNoOperand(args, usage) || !ArchiveOf(args.values, &archive, usage))
    return ExitStatus::kUsage;
  const IssueDate until = args.values.until.value_or(AddDays(TodayUtc(), -1));
  Verification verification;
  std::string problem;
  const bool verified = VerifyGuidance(
      archive, until, args.values.days.value_or(kDefaultVerifiedDays),
      &verification, &problem);
  for (const std::string& warning : verification.warnings)
    PrintLine(console.err, warning);
  if (!verified) {
    if (verification.verifiedDays == 0)
      problem = Fill("No day could be verified from the archive {}; orvanne-forecast fetch fills it, one day a run.",
                     {archive});
    PrintLine(console.err, problem);
    // A script reading --json still gets one document, saying why.
    if (args.values.json)
      console.out << VerificationErrorJson(verification, problem);
    return ExitStatus::kRefused;
  }
  if (args.values.json)
    console.out << VerificationJson(verification);
  else
    PrintVerification(console.out, verification);
  return AfterRun(true, console);
}
