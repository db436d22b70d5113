#ifndef ORVANNE_RECORD_JSON_FIELDS_H_
#define ORVANNE_RECORD_JSON_FIELDS_H_

#include <string>

#include "common/console.h"

// The fields of a JSON object read one at a time, of either of the JSON
// library's object kinds: false, with `err` naming the field, when it is
// missing or of another kind, and nothing is ever thrown.

template <typename Json>
bool TakeNumber(const Json& object, const char* key, double* value,
                std::string* err) {
  const auto field = object.find(key);
  if (field == object.end() || !field->is_number()) {
    *err = Fill("'{}' is not a number", {key});
    return false;
  }
  *value = field->template get<double>();
  return true;
}

template <typename Json>
bool TakeWhole(const Json& object, const char* key, int* value,
               std::string* err) {
  const auto field = object.find(key);
  if (field == object.end() || !field->is_number_integer()) {
    *err = Fill("'{}' is not a whole number", {key});
    return false;
  }
  *value = field->template get<int>();
  return true;
}

template <typename Json>
bool TakeText(const Json& object, const char* key, std::string* value,
              std::string* err) {
  const auto field = object.find(key);
  if (field == object.end() || !field->is_string()) {
    *err = Fill("'{}' is not a text", {key});
    return false;
  }
  *value = field->template get<std::string>();
  return true;
}

#endif  // ORVANNE_RECORD_JSON_FIELDS_H_
