#ifndef ORVANNE_VERIFY_VERIFICATION_H_
#define ORVANNE_VERIFY_VERIFICATION_H_

#include <string>

#include "products/issue_date.h"
#include "verify/scores.h"

// How good the 1200 UTC guidance was at the stations with daily climate
// reports (KFSD, KHON, KMHE), from the archive of fetched products, and the
// weight of the primary guidance that follows.

inline constexpr int kDefaultVerifiedDays = 30;
// Fewer verified days than this make no suggestion.
inline constexpr int kLeastVerifiedDays = 7;

struct Verification {
  IssueDate first;       // the first day verified
  IssueDate last;        // the last day verified
  int days = 0;          // days from first to last
  int verifiedDays = 0;  // days on which both guidance had a pair
  GuidanceScores gfs;    // the GFS MOS (MAV products)
  GuidanceScores nbm;    // the blend of models' text (NBS products)
  long long ratioHundredths = 50;

  // The suggested weight of the primary guidance, as printed: 0.67.
  double Ratio() const { return static_cast<double>(ratioHundredths) / 100; }
};

// Verifies the `days` days ending at `until` (at least 1). For each day V
// and station: the observed maximum and minimum from the station's complete
// climate report for V found in any of the archive's day folders (from V's
// on; of two, the later folder's, and in one file the later product), and
// the forecasts of the 1200 UTC MAV and NBS blocks issued on V - 1 (the
// folder of V - 1). Each guidance scores its own pairs of forecast and
// observed value; a day counts as verified when both guidance have at
// least one pair on it. False, with `err` the reason, when fewer than
// kLeastVerifiedDays days are verified.
bool VerifyGuidance(const std::string& archive, const IssueDate& until,
                    int days, Verification* result, std::string* err);

#endif  // ORVANNE_VERIFY_VERIFICATION_H_
