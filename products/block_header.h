#ifndef ORVANNE_PRODUCTS_BLOCK_HEADER_H_
#define ORVANNE_PRODUCTS_BLOCK_HEADER_H_

#include <array>
#include <string>
#include <string_view>

#include "products/issue_date.h"

// The header line that starts a station block of an issued guidance
// product, and the kinds of guidance the 1200 Model takes. Every kind of
// header the assembler knows is recognised here, so a further kind is added
// in this one place.

// The guidance a block belongs to, by its model word. The first three each
// fill one group of four sections of the bulletin, in this order; the
// blend of models' short-range text (NBS, model word "NBM") stands in for
// the short-range primary guidance, translated.
enum class Guidance {
  kShortPrimary,    // "NAM", older "ETA"
  kShortSecondary,  // "GFS", older "AVN"
  kExtended,        // "GFSX", older "MRF"
  kBlendShort,      // "NBM"
};
inline constexpr int kGuidanceCount = 4;
inline constexpr int kSectionGroupCount = 3;
inline constexpr std::array<Guidance, kSectionGroupCount> kSectionGroups{
    Guidance::kShortPrimary, Guidance::kShortSecondary, Guidance::kExtended};

inline int GuidanceIndex(Guidance guidance) {
  return static_cast<int>(guidance);
}

// How messages name a guidance whatever its word: "GFS (or AVN)".
std::string_view GuidanceName(Guidance guidance);

// The cycle of the guidance that the 1200 Model takes: "1200" for the
// short-range guidance, "0000" for the extended.
std::string_view GuidanceCycle(Guidance guidance);

struct BlockHeader {
  std::string station;  // "KBKX"
  std::string model;    // the model word as written: "GFS" or "AVN"
  Guidance guidance = Guidance::kShortPrimary;
  IssueDate date;
  std::string dateWord;  // as written: "9/01/2020" or "09/01/2020"
  std::string cycle;     // four digits: "1200"
};

// Recognises a header line, `line` being the line without its end and
// without the blanks and the record separator byte before its first word:
// seven words, "STATION MODEL MOS GUIDANCE M/DD/YYYY CYCLE UTC", the model
// word one of the six above, or eight words of the blend of models' text,
// "STATION NBM VERSION NBS GUIDANCE M/DD/YYYY CYCLE UTC"; the station of two
// to eight capitals and digits, the date as ParseIssueDate takes it, the
// cycle four digits. Any blanks between and after the words. Fills `header`
// only when it is one.
bool RecognizeHeader(std::string_view line, BlockHeader& header);

#endif  // ORVANNE_PRODUCTS_BLOCK_HEADER_H_
