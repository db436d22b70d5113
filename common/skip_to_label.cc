#include "common/skip_to_label.h"

#include <cstddef>
#include <streambuf>

#include "common/read_ahead.h"

namespace {

// Takes the word that starts with `c`, leaving `c` at the character after
// it, and tells whether the word equals either label. The word is compared
// as it is read and never held, so a word of any length costs no memory.
bool TakeWordIsLabel(std::streambuf* buf, int& c, std::string_view label,
                     std::string_view otherLabel) {
  std::size_t length = 0;
  bool agrees = true;
  bool agreesOther = true;
  for (; IsWordCharacter(c) && (agrees || agreesOther);
       c = buf->snextc(), ++length) {
    const char typed = std::char_traits<char>::to_char_type(c);
    agrees = agrees && length < label.size() && label[length] == typed;
    agreesOther = agreesOther && length < otherLabel.size() &&
                  otherLabel[length] == typed;
  }
  // Once the word is unlike both labels, the rest of it is only passed over.
  while (IsWordCharacter(c)) c = buf->snextc();
  return (agrees && length == label.size()) ||
         (agreesOther && length == otherLabel.size());
}

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
  std::streambuf* buf = in.rdbuf();
  int c = buf->sgetc();
  for (;;) {
    while (IsBlank(c)) c = buf->snextc();
    if (c == kEnd) break;
    if (TakeWordIsLabel(buf, c, label, otherLabel)) {
      // The blank after the label stays unread.
      if (c == kEnd) in.setstate(std::ios::eofbit);
      return true;
    }
  }
  in.setstate(std::ios::eofbit | std::ios::failbit);
  return false;
}
