#include "common/skip_to_label.h"

#include <cstddef>

#include "common/read_ahead.h"

namespace {

// The search's state between runs of characters: whether it is inside a
// word, how long the word is so far, and whether it still agrees with each
// label. Words are compared as they are read, never held, so a word of any
// length costs no memory.
struct Search {
  std::string_view labels[2];
  bool inWord = false;
  std::size_t length = 0;
  bool agrees[2] = {false, false};

  void StartWord() {
    inWord = true;
    length = 0;
    agrees[0] = agrees[1] = true;
  }

  // Compares the word's characters [first, last) with both labels.
  void Extend(const char* first, const char* last) {
    for (int i = 0; i < 2; ++i) {
      if (!agrees[i]) continue;
      const std::string_view label = labels[i];
      for (const char* c = first; c != last && agrees[i]; ++c) {
        const std::size_t at = length + static_cast<std::size_t>(c - first);
        agrees[i] = at < label.size() && label[at] == *c;
      }
    }
    length += static_cast<std::size_t>(last - first);
  }

  bool WordIsLabel() const {
    return (agrees[0] && length == labels[0].size()) ||
           (agrees[1] && length == labels[1].size());
  }

  // Scans [begin, end) and returns where the first word equal to a label
  // ends, or nullptr when none ends inside the run.
  const char* Scan(const char* begin, const char* end) {
    const char* c = begin;
    while (c != end) {
      if (!inWord) {
        while (c != end && IsBlank(*c)) ++c;
        if (c == end) break;
        StartWord();
      }
      const char* wordStart = c;
      while (c != end && !IsBlank(*c)) ++c;
      Extend(wordStart, c);
      if (c == end) break;
      inWord = false;
      if (WordIsLabel()) return c;
    }
    return nullptr;
  }
};

}  // namespace

bool SkipToLabel(std::istream& in, std::string_view label) {
  return SkipToLabel(in, label, label);
}

bool SkipToLabel(std::istream& in, std::string_view label,
                 std::string_view otherLabel) {
  if (!in.good()) {
    in.setstate(std::ios::failbit);
    return false;
  }
  Search search{{label, otherLabel}};
  const bool found =
      ScanRuns(in.rdbuf(), [&search](const char* begin, const char* end) {
        const char* wordEnd = search.Scan(begin, end);
        return wordEnd ? wordEnd
                       : end;  // the blank after the label stays unread
      });
  if (found) return true;
  // The input ends: the last word may still be the label.
  in.setstate(std::ios::eofbit);
  if (search.inWord && search.WordIsLabel()) return true;
  in.setstate(std::ios::failbit);
  return false;
}
