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
void TakeBiases(const Verification& verification, VerifiedChoice* choice) {
  choice->biases = BiasesForBlend(verification.biases);
  choice->removed = RemovedBiases(choice->biases);
  choice->lines.push_back(BiasRemovedLine(verification.biases));
}

// The fallback ratio taken; its text as the line naming it writes it.
std::string TakeFallback(double ratio, VerifiedChoice* choice) {
  choice->ratio = ratio;
  choice->source = RatioSource::kFallback;
  std::ostringstream text;
  text << ratio;
  return text.str();
}

}  // namespace

WindowVerification VerifyWindowBefore(const std::string& archive,
                                      const IssueDate& morning) {
  WindowVerification window;
  window.verified =
      VerifyGuidance(archive, AddDays(morning, -1), kDefaultVerifiedDays,
                     &window.verification, &window.problem);
  return window;
}

bool ChooseVerifiedRatio(const RunRequest& request,
                         const BulletinHeaders& headers,
                         const WindowVerification* known,
                         VerifiedChoice* choice, std::string* err) {
  if (!headers.issueDate) {
    *err = Fill("The bulletin's issue date '{}' is no month/day/year date.",
                {headers.issueDateWord});
    return false;
  }
  const auto primary = std::span(headers.models).first(kStationCount);
  if (!std::all_of(primary.begin(), primary.end(), [](const std::string& m) {
        return m == FactsOf(Guidance::kNbm).word;
      })) {
    *err = request.ratioAuto
               ? "The ratio from verification is known for the NBM guidance only."
               : "The biases from verification are known for the NBM guidance only.";
    return false;
  }
  choice->source = request.ratioAuto ? RatioSource::kVerification
                                     : RatioSource::kTyped;
  std::string missing;
  if (!known && !ArchiveFolderExists(request.archive, &missing)) {
    if (!request.ratioAuto || !request.fallbackRatio) {
      *err = missing;
      return false;
    }
    const std::string ratio = TakeFallback(*request.fallbackRatio, choice);
    choice->lines.push_back(
        Fill("The archive folder {} does not exist; the fallback ratio {} is used.",
             {request.archive, ratio}));
    return true;
  }
  const WindowVerification window =
      known ? *known : VerifyWindowBefore(request.archive, *headers.issueDate);
  const Verification& verification = window.verification;
  choice->warnings = verification.warnings;
  if (!window.verified) {
    const std::string days = std::to_string(verification.verifiedDays);
    const std::string least = std::to_string(kLeastVerifiedDays);
    const bool tooFew = verification.verifiedDays < kLeastVerifiedDays;
    if (tooFew && !request.ratioAuto) {
      // A typed ratio stands; only the biases wait for enough days.
      choice->lines.push_back(
          Fill("Too few verified days ({} of {}); no bias is removed.",
               {days, least}));
      return true;
    }
    if (!tooFew || !request.fallbackRatio) {
      *err = window.problem;
      return false;
    }
    const std::string ratio = TakeFallback(*request.fallbackRatio, choice);
    choice->lines.push_back(
        Fill("Too few verified days ({} of {}); the fallback ratio {} is used.",
             {days, least, ratio}));
    return true;
  }
  if (request.ratioAuto && request.biasAuto) {
    choice->lines.push_back(Fill(
        "The ratio from the verification of the last {} days, with the biases removed: {}",
        {std::to_string(verification.days),
         FormatHundredths(verification.ratioBiasRemovedHundredths)}));
    choice->ratio = verification.RatioBiasRemoved();
    choice->source = RatioSource::kVerificationBiasRemoved;
  } else if (request.ratioAuto) {
    choice->lines.push_back(
        Fill("The ratio from the verification of the last {} days: {}",
             {std::to_string(verification.days),
              FormatHundredths(verification.ratioHundredths)}));
    choice->ratio = verification.Ratio();
  }
  if (request.biasAuto) TakeBiases(verification, choice);
  return true;
}
