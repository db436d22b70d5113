#ifndef ORVANNE_TESTS_TEXT_SEARCH_H_
#define ORVANNE_TESTS_TEXT_SEARCH_H_

// Looking for a part of a page, a picture or a line in the tests.

#include <string>

inline bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// How often `part` stands in `text`, overlapping ones counted.
inline int CountOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string::npos;
       at = text.find(part, at + 1))
    ++count;
  return count;
}

#endif  // ORVANNE_TESTS_TEXT_SEARCH_H_
