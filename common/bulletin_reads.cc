#include "common/bulletin_reads.h"

namespace {

// The blanks of the "C" locale, which the bulletin streams use.
bool IsBlank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

}  // namespace

bool ReadWord(std::istream& in, std::string& word) {
  std::istream::sentry ready(in);  // skips white space, fails at the end
  if (!ready) return false;
  word.clear();
  std::streambuf* buf = in.rdbuf();
  for (int c = buf->sgetc();; c = buf->snextc()) {
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      break;
    }
    if (IsBlank(c)) break;
    if (word.size() < kMaxWordKept) word.push_back(static_cast<char>(c));
  }
  return true;
}

bool ReadInt(std::istream& in, std::int32_t& value) {
  std::int32_t read;
  if (!(in >> read)) return false;
  value = read;
  return true;
}

bool ReadChar(std::istream& in, char& c) {
  char read;
  if (!(in >> read)) return false;
  c = read;
  return true;
}

bool ReadDouble(std::istream& in, double& value) {
  double read;
  if (!(in >> read)) return false;
  value = read;
  return true;
}

bool SkipWords(std::istream& in, int count) {
  std::string ignored;
  for (int i = 0; i < count; ++i)
    if (!ReadWord(in, ignored)) return false;
  return true;
}

bool SkipInts(std::istream& in, int count) {
  std::int32_t ignored;
  for (int i = 0; i < count; ++i)
    if (!ReadInt(in, ignored)) return false;
  return true;
}

bool SkipChar(std::istream& in) {
  char ignored;
  return ReadChar(in, ignored);
}

bool ReadDelimitedHour(std::istream& in, int& hour) {
  std::int32_t read;
  if (!SkipChar(in) || !ReadInt(in, read) || !SkipChar(in)) return false;
  hour = read;
  return true;
}
