#include "common/console_reads.h"

namespace {

bool IsBlank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

// Drops what is left of the current word: the characters up to the next
// blank. The extraction that failed has already taken the part it could.
void DropRestOfWord(std::istream& in) {
  std::streambuf* buf = in.rdbuf();
  for (int c = buf->sgetc(); c != std::char_traits<char>::eof() && !IsBlank(c);
       c = buf->snextc()) {
  }
}

template <typename Number>
bool ReadConsoleNumber(std::istream& in, Number& value) {
  in >> std::ws;
  if (in.peek() == std::char_traits<char>::eof()) {
    in.setstate(std::ios::failbit);  // the console has ended
    return false;
  }
  Number read;
  if (in >> read) {
    value = read;
    return true;
  }
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
