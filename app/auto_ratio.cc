#include "app/auto_ratio.h"

#include <algorithm>
#include <span>

#include "blend/validate_bulletin.h"
#include "common/console.h"
#include "products/archive.h"

bool VerifyForBulletin(const std::string& bulletinName,
                       const std::string& archive, Verification* verification,
                       std::string* err) {
  BulletinHeaders headers;
  if (!ValidateBulletin(bulletinName, err, &headers)) return false;
  IssueDate issued;
  if (!ParseIssueDate(headers.issueDate, &issued)) {
    *err = Fill("The bulletin's issue date '{}' is no month/day/year date.",
                {headers.issueDate});
    return false;
  }
  const auto primary = std::span(headers.models).first(kStationCount);
  if (!std::all_of(primary.begin(), primary.end(), [](const std::string& m) {
        return m == FactsOf(Guidance::kNbm).word;
      })) {
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
  request.primaryRatio = verification.Ratio();
  return run(console, request);
}
