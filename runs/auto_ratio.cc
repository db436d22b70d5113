#include "runs/auto_ratio.h"

#include <algorithm>
#include <sstream>
#include <span>

#include "common/console.h"
#include "products/archive.h"
#include "verify/blend_biases.h"
#include "verify/scores.h"

namespace {

// The biases as the record lists them: each guidance, lead day and
// element that has one.
std::vector<RemovedBias> RemovedBiases(const TemperatureBiases& biases) {
  std::vector<RemovedBias> removed;
  auto add = [&](const char* guidance, int day, const char* element,
                 const std::optional<double>& bias) {
    if (bias) removed.push_back({guidance, day, element, *bias});
  };
  for (int day = 1; day <= 2; ++day) {
    add("NBM", day, "max", biases.primary[2 * day - 1]);
    add("NBM", day, "min", biases.primary[2 * day - 2]);
  }
  for (int day = 1; day <= 2; ++day) {
    add("GFS", day, "max", biases.secondary[2 * day - 1]);
    add("GFS", day, "min", biases.secondary[2 * day - 2]);
  }
  for (int day = 3; day <= 7; ++day) {
    add("GFSX", day, "max", biases.extendedMaximum[day - 3]);
    add("GFSX", day, "min", biases.extendedMinimum[day - 3]);
  }
  return removed;
}

}  // namespace

bool VerifyForBulletin(const BulletinHeaders& headers,
                       const std::string& archive, Verification* verification,
                       std::string* err, bool* tooFew) {
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
  if (!ArchiveFolder(archive, &folder, err)) return false;
  if (VerifyGuidance(folder, AddDays(issued, -1), kDefaultVerifiedDays,
                     verification, err))
    return true;
  if (tooFew) *tooFew = verification->verifiedDays < kLeastVerifiedDays;
  return false;
}

bool ChooseVerifiedRatio(Console& console, const RunRequest& request,
                         const BulletinHeaders& headers,
                         VerifiedChoice* choice) {
  Verification verification;
  std::string err;
  bool tooFew = false;
  if (!VerifyForBulletin(headers, request.archive, &verification, &err,
                         &tooFew)) {
    if (!tooFew || !request.fallbackRatio) {
      PrintLine(console.err, err);
      return false;
    }
    choice->ratio = *request.fallbackRatio;
    choice->source = RatioSource::kFallback;
    std::ostringstream ratio;
    ratio << choice->ratio;
    PrintLine(console.out,
              Fill("Too few verified days ({} of {}); the fallback ratio {} is used.",
                   {std::to_string(verification.verifiedDays),
                    std::to_string(kLeastVerifiedDays), ratio.str()}));
    return true;
  }
  PrintLine(console.out,
            Fill("The ratio from the verification of the last {} days: {}",
                 {std::to_string(verification.days),
                  FormatHundredths(verification.ratioHundredths)}));
  choice->ratio = verification.Ratio();
  choice->source = RatioSource::kVerification;
  if (request.biasAuto) {
    choice->biases = BiasesForBlend(verification);
    choice->removed = RemovedBiases(choice->biases);
    PrintLine(console.out, BiasRemovedLine(verification));
  }
  return true;
}
