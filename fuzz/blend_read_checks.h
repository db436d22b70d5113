#ifndef ORVANNE_FUZZ_BLEND_READ_CHECKS_H_
#define ORVANNE_FUZZ_BLEND_READ_CHECKS_H_

#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "blend/station_records.h"
#include "fuzz/fuzz_check.h"

// What a failed blend read must leave: one message of the readers' form,
// short whatever the file held (a quoted word is cut), and the caller's
// arrays exactly as they were.

// The longest message: a cut cloud word in section 12.
inline constexpr std::size_t kLongestReadProblem = 160;

inline void CheckReadProblem(const std::string& error) {
  FUZZ_CHECK(error.find(" of section ") != std::string::npos);
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

// Runs one blend reader, `read(eta, avn, ext, &error)`, on arrays filled with
// the pattern. On a failure checks its message and that the arrays were left
// alone. Returns whether the read succeeded.
template <typename ShortRecord, typename ExtendedRecord, typename Read>
bool ReadChecked(Read read, StationRecords<ShortRecord>& eta,
                 StationRecords<ShortRecord>& avn,
                 StationRecords<ExtendedRecord>& ext) {
  StationRecords<ShortRecord> unreadShort;
  StationRecords<ExtendedRecord> unreadExt;
  FillUnread(eta);
  FillUnread(avn);
  FillUnread(ext);
  FillUnread(unreadShort);
  FillUnread(unreadExt);
  std::string error;
  if (read(eta, avn, ext, &error)) return true;
  CheckReadProblem(error);
  FUZZ_CHECK(SameBytes(eta, unreadShort));
  FUZZ_CHECK(SameBytes(avn, unreadShort));
  FUZZ_CHECK(SameBytes(ext, unreadExt));
  return false;
}

#endif  // ORVANNE_FUZZ_BLEND_READ_CHECKS_H_
