#include "common/skip_to_label.h"

#include <string>

#include "common/bulletin_reads.h"

bool SkipToLabel(std::istream& in, std::string_view label) {
  return SkipToLabel(in, label, label);
}

bool SkipToLabel(std::istream& in, std::string_view label,
                 std::string_view otherLabel) {
  std::string word;
  while (ReadWord(in, word)) {
    if (word == label || word == otherLabel) return true;
  }
  return false;
}
