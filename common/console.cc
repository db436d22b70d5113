#include "common/console.h"

#include <cstdint>

#include "common/token_reads.h"

namespace {

// Drops what is left of the current word: the characters up to the next
// blank. The read that failed has already taken the part it could.
void DropRestOfWord(std::istream& in) {
  int c = in.rdbuf()->sgetc();
  while (IsWordCharacter(c)) c = Advance(in);
  if (c == kEnd) in.setstate(std::ios::eofbit);
}

// The numbers are read as the bulletins' are, which is how the stream's own
// extraction reads them, but never holding more than a number's worth of
// what was typed.
bool ReadNumber(std::istream& in, int& value) {
  std::int32_t read;
  if (!ReadInt(in, read)) return false;
  value = read;
  return true;
}

bool ReadNumber(std::istream& in, double& value) {
  return ReadDouble(in, value);
}

template <typename Number>
bool ReadConsoleNumber(std::istream& in, Number& value) {
  in >> std::ws;
  if (in.peek() == std::char_traits<char>::eof()) {
    in.setstate(std::ios::failbit);  // the console has ended
    return false;
  }
  if (ReadNumber(in, value)) return true;
  in.clear();
  DropRestOfWord(in);
  return false;
}

}  // namespace

bool ConsoleEnded(const std::istream& in) { return in.fail(); }

bool ReadConsoleWord(std::istream& in, std::string& word) {
  return static_cast<bool>(in >> word);
}

bool ReadConsoleInt(std::istream& in, int& value) {
  return ReadConsoleNumber(in, value);
}

bool ReadConsoleDouble(std::istream& in, double& value) {
  return ReadConsoleNumber(in, value);
}

void PrintLine(std::ostream& out, std::string_view line) {
  out << line << std::endl;
}
