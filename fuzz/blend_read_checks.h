#ifndef ORVANNE_FUZZ_BLEND_READ_CHECKS_H_
#define ORVANNE_FUZZ_BLEND_READ_CHECKS_H_

#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "fuzz/fuzz_check.h"

// What a failed blend read must leave: one message of the readers' form,
// short whatever the file held (a quoted word is cut), and the caller's
// arrays exactly as they were.

// The longest message: a cut cloud word in section 12.
inline constexpr std::size_t kLongestReadProblem = 160;

inline void CheckReadProblem(const std::string& error) {
  FUZZ_CHECK(std::string_view(error).starts_with(
      "The bulletin could not be read: "));
  FUZZ_CHECK(error.size() <= kLongestReadProblem);
  FUZZ_CHECK(error.find('\n') == std::string::npos);
}

// The records are arrays of 32-bit integers and nothing else, so bytes
// compare as values.
template <typename Records>
bool SameBytes(const Records& a, const Records& b) {
  static_assert(std::is_trivially_copyable_v<Records>);
  return std::memcmp(&a, &b, sizeof(Records)) == 0;
}

// Fills every value with one pattern, so any value a failed read stored
// shows.
template <typename Records>
void FillUnread(Records& records) {
  static_assert(std::is_trivially_copyable_v<Records>);
  std::memset(static_cast<void*>(&records), 0x5a, sizeof(Records));
}

#endif  // ORVANNE_FUZZ_BLEND_READ_CHECKS_H_
