#include "app/auto_ratio.h"

#include <algorithm>

#include "blend/validate_bulletin.h"
#include "common/console.h"
#include "products/archive.h"

bool VerifyForBulletin(const std::string& bulletinName,
                       const std::string& archive, Verification* verification,
                       std::string* err) {
  if (!ValidateBulletin(bulletinName, err)) return false;
  PrimaryHeaderFacts facts;
  IssueDate issued;
  if (!ReadPrimaryHeaderFacts(bulletinName, &facts) ||
      !ParseIssueDate(facts.dateWord, issued)) {
    *err = Fill("The bulletin's issue date '{}' is no month/day/year date.",
                {facts.dateWord});
    return false;
  }
  if (!std::all_of(facts.models.begin(), facts.models.end(),
                   [](const std::string& model) { return model == "NBM"; })) {
    *err = "The ratio from verification is known for the NBM guidance only.";
    return false;
  }
  std::string folder;
  return ArchiveFolder(archive, &folder, err) &&
         VerifyGuidance(folder, AddDays(issued, -1), kDefaultVerifiedDays,
                        verification, err);
}

bool RunWithAutoRatio(RunFunction run, RunRequest request,
                      const std::string& archive, Console& console) {
  std::string bulletinName;
  if (!AskForBulletin(console, request, &bulletinName)) return false;
  Verification verification;
  std::string err;
  if (!VerifyForBulletin(bulletinName, archive, &verification, &err)) {
    PrintLine(console.err, err);
    return false;
  }
  PrintLine(console.out,
            Fill("The ratio from the verification of the last {} days: {}",
                 {std::to_string(verification.days),
                  FormatHundredths(verification.ratioHundredths)}));
  request.bulletinName = bulletinName;
  request.etaRatio = verification.Ratio();
  return run(console, request);
}
