#ifndef ORVANNE_BLEND_BAR_SEPARATOR_H_
#define ORVANNE_BLEND_BAR_SEPARATOR_H_

#include <istream>

#include "common/bulletin_reads.h"

// Reads the "|" that stands between two columns of an extended row, glued to
// the value before it or apart. Anything else in its place means a separator
// is missing: taking that character would silently cut the next value's
// first digit off, so the row counts as unreadable instead.
inline bool ReadBarSeparator(std::istream& in) {
  char c;
  return ReadChar(in, c) && c == '|';
}

#endif  // ORVANNE_BLEND_BAR_SEPARATOR_H_
