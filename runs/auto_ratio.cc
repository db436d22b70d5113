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
    *err = "The ratio from verification is known for the NBM guidance only.";
    return false;
  }
  std::string missing;
  if (!known && !ArchiveFolderExists(request.archive, &missing)) {
    if (!request.fallbackRatio) {
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
  if (!window.verified) {
    if (verification.verifiedDays >= kLeastVerifiedDays ||
        !request.fallbackRatio) {
      *err = window.problem;
      return false;
    }
    const std::string ratio = TakeFallback(*request.fallbackRatio, choice);
    choice->lines.push_back(
        Fill("Too few verified days ({} of {}); the fallback ratio {} is used.",
             {std::to_string(verification.verifiedDays),
              std::to_string(kLeastVerifiedDays), ratio}));
    return true;
  }
  choice->lines.push_back(
      Fill("The ratio from the verification of the last {} days: {}",
           {std::to_string(verification.days),
            FormatHundredths(verification.ratioHundredths)}));
  choice->ratio = verification.Ratio();
  choice->source = RatioSource::kVerification;
  if (request.biasAuto) {
    choice->biases = BiasesForBlend(verification);
    choice->removed = RemovedBiases(choice->biases);
    choice->lines.push_back(BiasRemovedLine(verification));
  }
  return true;
}
