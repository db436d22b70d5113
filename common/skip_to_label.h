#ifndef ORVANNE_COMMON_SKIP_TO_LABEL_H_
#define ORVANNE_COMMON_SKIP_TO_LABEL_H_

#include <istream>
#include <string_view>

// Reads words from `in`, starting with its next word, until one equals
// `label` exactly (whole word, case and every character alike). The matching
// word is consumed, so the next read starts right after it. Returns false if
// the input ends first (or the stream had already failed).
bool SkipToLabel(std::istream& in, std::string_view label);

// The same, ending at the first word that equals either label.
bool SkipToLabel(std::istream& in, std::string_view label,
                 std::string_view otherLabel);

#endif  // ORVANNE_COMMON_SKIP_TO_LABEL_H_
