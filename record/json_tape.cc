#include "record/json_tape.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

namespace {

constexpr int kMostDepth = 32;
constexpr std::size_t kMostWholeDigits = 18;  // always within 64 bits
// A number without an exponent and at most this long is always a finite
// double, no closer to 0 than the smallest normal one.
constexpr std::size_t kLongestPlainDecimal = 30;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The bytes a text holds as they stand: not its closing quote, and nothing
// left to the library (an escape, a control character, a byte outside
// ASCII).
constexpr std::array<bool, 256> MakePlainTable() {
  std::array<bool, 256> plain{};
  for (int c = 0x20; c < 0x80; ++c) plain[c] = c != '"' && c != '\\';
  return plain;
}
constexpr std::array<bool, 256> kPlainTextByte = MakePlainTable();
bool IsDigitByte(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// The recursive reading of one document onto a tape.
class TapeReader {
 public:
  TapeReader(std::string_view text, std::vector<JsonTape::Node>* nodes)
      : text_(text), nodes_(nodes) {}

  bool Document() {
    SkipSpace();
    if (!Value(0)) return false;
    SkipSpace();
    return at_ == text_.size();
  }

 private:
  using Kind = JsonTape::Kind;

  bool At(char c) const { return at_ < text_.size() && text_[at_] == c; }
  bool Take(char c) {
    if (!At(c)) return false;
    ++at_;
    return true;
  }
  void SkipSpace() {
    while (at_ < text_.size() && IsSpace(text_[at_])) ++at_;
  }
  std::uint32_t Next() const { return static_cast<std::uint32_t>(nodes_->size()) + 1; }

  bool Value(int depth) {
    if (at_ >= text_.size()) return false;
    switch (text_[at_]) {
      case '{':
        return Container(depth, Kind::kObject, '}');
      case '[':
        return Container(depth, Kind::kArray, ']');
      case '"':
        return Text();
      case 't':
        return Literal("true", Kind::kTrue);
      case 'f':
        return Literal("false", Kind::kFalse);
      case 'n':
        return Literal("null", Kind::kNull);
      default:
        return Number();
    }
  }

  bool Container(int depth, Kind kind, char close) {
    if (depth >= kMostDepth) return false;
    const std::size_t self = nodes_->size();
    nodes_->push_back({kind, 0, 0, {}});
    ++at_;
    SkipSpace();
    std::uint32_t count = 0;
    if (!Take(close)) {
      for (;;) {
        if (kind == Kind::kObject) {
          if (!At('"') || !Text()) return false;
          SkipSpace();
          if (!Take(':')) return false;
          SkipSpace();
        }
        if (!Value(depth + 1)) return false;
        ++count;
        SkipSpace();
        if (Take(close)) break;
        if (!Take(',')) return false;
        SkipSpace();
      }
    }
    (*nodes_)[self].end = static_cast<std::uint32_t>(nodes_->size());
    (*nodes_)[self].count = count;
    return true;
  }

  bool Text() {
    const std::size_t start = ++at_;
    while (at_ < text_.size() &&
           kPlainTextByte[static_cast<unsigned char>(text_[at_])])
      ++at_;
    if (!At('"')) return false;
    nodes_->push_back({Kind::kText, Next(), 0, text_.substr(start, at_ - start)});
    ++at_;
    return true;
  }

  bool Literal(std::string_view word, Kind kind) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    nodes_->push_back({kind, Next(), 0, {}});
    return true;
  }

  // Takes at least one digit.
  bool Digits() {
    const std::size_t start = at_;
    while (at_ < text_.size() && IsDigitByte(text_[at_])) ++at_;
    return at_ > start;
  }

  bool Number() {
    const std::size_t start = at_;
    Take('-');
    const std::size_t wholeStart = at_;
    if (!Take('0') && !Digits()) return false;
    const std::size_t wholeDigits = at_ - wholeStart;
    bool whole = true;
    bool exponent = false;
    if (Take('.')) {
      whole = false;
      if (!Digits()) return false;
    }
    if (At('e') || At('E')) {
      ++at_;
      whole = false;
      exponent = true;
      if (!Take('+')) Take('-');
      if (!Digits()) return false;
    }
    const std::string_view token = text_.substr(start, at_ - start);
    if (whole && wholeDigits > kMostWholeDigits) return false;
    if (!whole && (exponent || token.size() > kLongestPlainDecimal)) {
      double value = 0;
      const auto [end, error] =
          std::from_chars(token.data(), token.data() + token.size(), value);
      if (error != std::errc() || end != token.data() + token.size())
        return false;
    }
    nodes_->push_back(
        {whole ? Kind::kInteger : Kind::kDecimal, Next(), 0, token});
    return true;
  }

  std::string_view text_;
  std::vector<JsonTape::Node>* nodes_;
  std::size_t at_ = 0;
};

bool JsonTape::Read(std::string_view text) {
  nodes_.clear();
  // About one value for every ten bytes of a record.
  nodes_.reserve(text.size() / 10 + 1);
  return TapeReader(text, &nodes_).Document();
}

JsonValue JsonTape::Root() const { return {this, 0}; }

JsonValue JsonValue::find(std::string_view key) const {
  if (!is_object()) return end();
  std::uint32_t found = node().end;
  const std::vector<JsonTape::Node>& nodes = tape_->nodes_;
  for (std::uint32_t i = index_ + 1; i < node().end; i = nodes[i + 1].end)
    if (nodes[i].text == key) found = i + 1;
  return {tape_, found};
}

JsonValue JsonValue::operator[](std::size_t i) const {
  JsonValue element = begin();
  while (i-- > 0) ++element;
  return element;
}

JsonValue JsonValue::back() const { return (*this)[size() - 1]; }

template <>
double JsonValue::get<double>() const {
  const std::string_view token = node().text;
  double value = 0;
  std::from_chars(token.data(), token.data() + token.size(), value);
  return value;
}

template <>
int JsonValue::get<int>() const {
  if (!is_number_integer()) return 0;  // asked only of whole numbers
  const std::string_view token = node().text;
  std::int64_t value = 0;
  std::from_chars(token.data(), token.data() + token.size(), value);
  return static_cast<int>(value);
}

template <>
std::string JsonValue::get<std::string>() const {
  return std::string(node().text);
}
