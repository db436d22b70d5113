#ifndef ORVANNE_PRODUCTS_GUIDANCE_H_
#define ORVANNE_PRODUCTS_GUIDANCE_H_

#include <array>
#include <span>
#include <string>
#include <string_view>

// The guidance the 1200 Model is made from, written down once: the model
// words and their older names, the product each is issued in, the cycle
// taken, the three section groups and the rows each group reads. Adding a
// model word or a row is one line here.

// One guidance, by its model word.
enum class Guidance {
  kNam,   // "NAM", older "ETA"
  kGfs,   // "GFS", older "AVN"
  kGfsx,  // "GFSX", older "MRF"
  kNbm,   // "NBM", the blend of models' short-range guidance (product NBS)
};
inline constexpr int kGuidanceCount = 4;

// The bulletin's three groups of four sections: sections 1 to 4, 5 to 8 and
// 9 to 12.
enum class SectionGroup { kPrimary, kSecondary, kExtended };
inline constexpr int kSectionGroupCount = 3;

// A row's label, and the other label that may stand for it.
struct RowLabel {
  std::string_view label;
  std::string_view alternative = {};

  bool Names(std::string_view word) const {
    return word == label || (!alternative.empty() && word == alternative);
  }
};

// The rows the 1200 Model reads, in the order it reads them.
inline constexpr RowLabel kShortTemperatureRow{"N/X", "X/N"};
inline constexpr RowLabel kDewPointRow{"DPT"};
inline constexpr RowLabel kTwelveHourChanceRow{"P12"};
inline constexpr RowLabel kCloudRow{"CLD"};
inline constexpr RowLabel kWindDirectionRow{"WDR"};
inline constexpr RowLabel kWindSpeedRow{"WSP"};
inline constexpr RowLabel kExtendedTemperatureRow{"X/N"};
inline constexpr RowLabel kDayChanceRow{"P24"};
inline constexpr RowLabel kExtendedWindRow{"WND"};

struct GuidanceFacts {
  Guidance guidance;
  SectionGroup group;  // the sections it fills
  std::string_view word;
  std::string_view olderWord;  // empty when it has none
  // The header's words between the model word and "GUIDANCE": "MOS", or a
  // version word and "NBS".
  bool versionWord;
  std::string_view product;
  std::string_view cycle;  // the cycle the 1200 Model takes
  // The product service's three letters for its per-station products;
  // empty for guidance no longer issued.
  std::string_view serviceProduct;
};

// clang-format off
inline constexpr std::array<GuidanceFacts, kGuidanceCount> kGuidanceTable{{
    {Guidance::kNam,  SectionGroup::kPrimary,   "NAM",  "ETA", false, "MOS", "1200", ""},
    {Guidance::kGfs,  SectionGroup::kSecondary, "GFS",  "AVN", false, "MOS", "1200", "MAV"},
    {Guidance::kGfsx, SectionGroup::kExtended,  "GFSX", "MRF", false, "MOS", "0000", "MEX"},
    {Guidance::kNbm,  SectionGroup::kPrimary,   "NBM",  "",    true,  "NBS", "1200", "NBS"},
}};
// clang-format on

struct SectionGroupFacts {
  SectionGroup group;
  std::string_view name;  // for messages
  Guidance issued;        // the guidance taken as issued; kNbm is translated
  std::span<const RowLabel> rows;
};

inline constexpr RowLabel kShortRangeRows[] = {
    kShortTemperatureRow, kDewPointRow, kTwelveHourChanceRow, kCloudRow,
    kWindDirectionRow,    kWindSpeedRow};
inline constexpr RowLabel kExtendedRows[] = {kExtendedTemperatureRow,
                                             kDewPointRow, kDayChanceRow,
                                             kCloudRow, kExtendedWindRow};

inline constexpr std::array<SectionGroupFacts, kSectionGroupCount>
    kSectionGroupTable{{
        {SectionGroup::kPrimary, "Primary", Guidance::kNam, kShortRangeRows},
        {SectionGroup::kSecondary, "Secondary", Guidance::kGfs,
         kShortRangeRows},
        {SectionGroup::kExtended, "Extended", Guidance::kGfsx, kExtendedRows},
    }};

inline constexpr const GuidanceFacts& FactsOf(Guidance guidance) {
  return kGuidanceTable[static_cast<int>(guidance)];
}
inline constexpr const SectionGroupFacts& FactsOf(SectionGroup group) {
  return kSectionGroupTable[static_cast<int>(group)];
}
inline constexpr int IndexOf(Guidance guidance) {
  return static_cast<int>(guidance);
}

// The guidance whose model word, or older word, is `word`; false when none.
bool FindGuidance(std::string_view word, Guidance* guidance);

// How messages name a guidance whatever its word: "GFS (or AVN)", "NBM".
std::string GuidanceName(Guidance guidance);

#endif  // ORVANNE_PRODUCTS_GUIDANCE_H_
