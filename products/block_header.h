#ifndef ORVANNE_PRODUCTS_BLOCK_HEADER_H_
#define ORVANNE_PRODUCTS_BLOCK_HEADER_H_

#include <string>
#include <string_view>

#include "common/text.h"
#include "products/guidance.h"
#include "products/issue_date.h"

// The header line that starts a station block of an issued guidance
// product. Every kind of header is recognised here, from the guidance
// table, so a further model word is added there.

struct BlockHeader {
  std::string station;  // "KBKX"
  std::string model;    // the model word as written: "GFS" or "AVN"
  Guidance guidance = Guidance::kNam;
  IssueDate date;
  std::string dateWord;  // as written: "9/01/2020" or "09/01/2020"
  std::string cycle;     // four digits: "1200"
};

// Recognises a header line, `line` being the line without its end and
// without the blanks and the record separator byte before its first word:
// seven words, "STATION MODEL MOS GUIDANCE M/DD/YYYY CYCLE UTC", the model
// word one of the guidance table's, or, for a guidance with a version word,
// "STATION NBM VERSION NBS GUIDANCE M/DD/YYYY CYCLE UTC"; the station of two
// to eight capitals and digits, the date as ParseIssueDate takes it, the
// cycle four digits. Any blanks between and after the words. Fills `header`
// only when it is one.
bool RecognizeHeader(std::string_view line, BlockHeader* header);

// A header's last word.
inline constexpr std::string_view kHeaderEnding = "UTC";

// Whether `line` ends in kHeaderEnding and blanks, as every header does: a
// cheap first test that passes over row lines.
inline bool EndsLikeHeader(std::string_view line) {
  return TrimBlanks(line).ends_with(kHeaderEnding);
}

#endif  // ORVANNE_PRODUCTS_BLOCK_HEADER_H_
