#include "app/verify_command.h"

#include "products/archive.h"
#include "verify/verification.h"
#include "verify/verification_json.h"
#include "verify/verification_table.h"

bool VerifyRequestOf(const CommandArguments& args, VerifyRequest* request,
                     std::string* usage) {
  if (!TakesNoOperand(args, usage) ||
      !ArchiveOf(args.values, &request->archive, usage))
    return false;
  request->until = args.values.until.value_or(AddDays(TodayUtc(), -1));
  request->days = args.values.days.value_or(kDefaultVerifiedDays);
  request->json = args.values.json;
  return true;
}

ExitStatus VerifyCommand(const CommandArguments& args, Console& console,
                         std::string* usage) {
  VerifyRequest request;
  if (!VerifyRequestOf(args, &request, usage)) return ExitStatus::kUsage;
  Verification verification;
  std::string problem;
  bool verified = false;
  if (ArchiveFolderExists(request.archive, &problem)) {
    verified = VerifyGuidance(request.archive, request.until, request.days,
                              &verification, &problem);
    if (!verified && verification.verifiedDays == 0)
      problem = Fill("No day could be verified from the archive {}; orvanne-forecast fetch fills it, one day a run.",
                     {request.archive});
  }
  for (const std::string& warning : verification.warnings)
    PrintLine(console.err, warning);
  if (!verified) {
    PrintLine(console.err, problem);
    // A script reading --json still gets one document, saying why.
    if (request.json) {
      verification.first = AddDays(request.until, 1 - request.days);
      verification.last = request.until;
      verification.days = request.days;
      console.out << VerificationErrorJson(verification, problem);
    }
    return ExitStatus::kRefused;
  }
  if (request.json)
    console.out << VerificationJson(verification);
  else
    PrintVerification(console.out, verification);
  return AfterRun(true, console);
}
