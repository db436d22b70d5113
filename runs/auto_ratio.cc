#include "runs/auto_ratio.h"

#include <algorithm>
#include <sstream>
#include <span>

#include "common/console.h"
#include "products/archive.h"
#include "verify/blend_biases.h"
#include "verify/scores.h"

namespace {

// The biases as the record lists them: each guidance, lead day, element
// and station that has one.
std::vector<RemovedBias> RemovedBiases(const TemperatureBiases& biases) {
  std::vector<RemovedBias> removed;
  auto add = [&](const char* guidance, int day, const char* element,
                 auto pick) {
    for (int s = 0; s < kStationCount; ++s) {
      const std::optional<double>& bias = pick(biases.stations[s]);
      if (bias)
        removed.push_back({guidance, day, element, *bias,
                           std::string(kBulletinStations[s])});
    }
  };
  for (int day = 1; day <= 2; ++day) {
    const int i = 2 * (day - 1);
    add("NBM", day, "max", [i](const auto& b) { return b.primary[i + 1]; });
    add("NBM", day, "min", [i](const auto& b) { return b.primary[i]; });
  }
  for (int day = 1; day <= 2; ++day) {
    const int i = 2 * (day - 1);
    add("GFS", day, "max", [i](const auto& b) { return b.secondary[i + 1]; });
    add("GFS", day, "min", [i](const auto& b) { return b.secondary[i]; });
  }
  for (int day = 3; day <= 7; ++day) {
    add("GFSX", day, "max",
        [day](const auto& b) { return b.extendedMaximum[day - 3]; });
    add("GFSX", day, "min",
        [day](const auto& b) { return b.extendedMinimum[day - 3]; });
  }
  return removed;
}

// The biases the verification removes, and the line saying so.
void TakeBiases(Console& console, const Verification& verification,
                VerifiedChoice* choice) {
  choice->biases = BiasesForBlend(verification.biases);
  choice->removed = RemovedBiases(choice->biases);
  PrintLine(console.out, BiasRemovedLine(verification.biases));
}

}  // namespace

bool VerifyForBulletin(const BulletinHeaders& headers,
                       const std::string& archive, Verification* verification,
                       std::string* err, bool* tooFew, bool ratioAuto) {
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
    *err = ratioAuto
               ? "The ratio from verification is known for the NBM guidance only."
               : "The biases from verification are known for the NBM guidance only.";
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
                         &tooFew, request.ratioAuto)) {
    if (tooFew && !request.ratioAuto) {
      // A typed ratio stands; only the biases wait for enough days.
      choice->source = RatioSource::kTyped;
      PrintLine(console.out,
                Fill("Too few verified days ({} of {}); no bias is removed.",
                     {std::to_string(verification.verifiedDays),
                      std::to_string(kLeastVerifiedDays)}));
      return true;
    }
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
  for (const std::string& warning : verification.warnings)
    PrintLine(console.err, warning);
  if (!request.ratioAuto) {
    choice->source = RatioSource::kTyped;
  } else if (request.biasAuto) {
    PrintLine(
        console.out,
        Fill("The ratio from the verification of the last {} days, with the biases removed: {}",
             {std::to_string(verification.days),
              FormatHundredths(verification.ratioBiasRemovedHundredths)}));
    choice->ratio = verification.RatioBiasRemoved();
    choice->source = RatioSource::kVerificationBiasRemoved;
  } else {
    PrintLine(console.out,
              Fill("The ratio from the verification of the last {} days: {}",
                   {std::to_string(verification.days),
                    FormatHundredths(verification.ratioHundredths)}));
    choice->ratio = verification.Ratio();
    choice->source = RatioSource::kVerification;
  }
  if (request.biasAuto) TakeBiases(console, verification, choice);
  return true;
}
