#include "runs/auto_ratio.h"

#include <algorithm>
#include <span>

#include "common/console.h"
#include "products/archive.h"

bool VerifyForBulletin(const BulletinHeaders& headers,
                       const std::string& archive, Verification* verification,
                       std::string* err) {
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
