#ifndef ORVANNE_RECORD_JSON_TAPE_H_
#define ORVANNE_RECORD_JSON_TAPE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A JSON document read into one flat list of its values, so a record is
// read back without building a value for each of its numbers: a number or
// a text is converted only when asked for. For the documents it takes it
// answers as the JSON library's documents do (JsonValue below has their
// names), and it leaves to the library what it does not take: texts with
// escapes or bytes outside ASCII, numbers of over 18 digits or with an
// exponent out of range, nesting over 32 deep, and anything that is no
// JSON.

class JsonValue;

class JsonTape {
 public:
  // Reads `text`, which must outlive the tape. False when the text is no
  // JSON document or holds something left to the library.
  bool Read(std::string_view text);

  // The document's value; Read must have returned true.
  JsonValue Root() const;

 private:
  friend class JsonValue;
  friend class TapeReader;
  enum class Kind : std::uint8_t {
    kObject, kArray, kText, kInteger, kDecimal, kTrue, kFalse, kNull
  };
  struct Node {
    Kind kind;
    std::uint32_t end;    // the index after the value and all it holds
    std::uint32_t count;  // an array's elements, an object's members
    std::string_view text;  // a text without its quotes; a number as written
  };
  // An object's members are each its key (a kText) and then its value.
  std::vector<Node> nodes_;
};

// One value of a tape, which is also where it stands among its siblings:
// find and the elements of an array step through the tape as the library's
// iterators do, and `end()` is one past the last.
class JsonValue {
 public:
  JsonValue(const JsonTape* tape, std::uint32_t index)
      : tape_(tape), index_(index) {}

  bool is_object() const { return Is(JsonTape::Kind::kObject); }
  bool is_array() const { return Is(JsonTape::Kind::kArray); }
  bool is_string() const { return Is(JsonTape::Kind::kText); }
  bool is_null() const { return Is(JsonTape::Kind::kNull); }
  bool is_number_integer() const { return Is(JsonTape::Kind::kInteger); }
  bool is_number() const {
    return is_number_integer() || Is(JsonTape::Kind::kDecimal);
  }

  // An array's elements or an object's members.
  std::size_t size() const { return node().count; }
  // The member `key`'s value (the last, when written twice), or end().
  JsonValue find(std::string_view key) const;
  bool contains(std::string_view key) const { return find(key) != end(); }
  // An array's elements.
  JsonValue begin() const { return {tape_, index_ + 1}; }
  JsonValue end() const { return {tape_, node().end}; }
  JsonValue operator[](std::size_t i) const;
  JsonValue back() const;

  // double of any number, int of a whole number (as the library casts it),
  // std::string of a text.
  template <typename T>
  T get() const;

  const JsonValue& operator*() const { return *this; }
  const JsonValue* operator->() const { return this; }
  JsonValue& operator++() {
    index_ = node().end;
    return *this;
  }
  bool operator==(const JsonValue& other) const {
    return index_ == other.index_;
  }

 private:
  const JsonTape::Node& node() const { return tape_->nodes_[index_]; }
  bool Is(JsonTape::Kind kind) const {
    return index_ < tape_->nodes_.size() && node().kind == kind;
  }

  const JsonTape* tape_;
  std::uint32_t index_;
};

template <>
double JsonValue::get<double>() const;
template <>
int JsonValue::get<int>() const;
template <>
std::string JsonValue::get<std::string>() const;

#endif  // ORVANNE_RECORD_JSON_TAPE_H_
