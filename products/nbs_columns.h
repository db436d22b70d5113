#ifndef ORVANNE_PRODUCTS_NBS_COLUMNS_H_
#define ORVANNE_PRODUCTS_NBS_COLUMNS_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The columns of a row of the NBM guidance's text (product NBS), counted
// from the row's label: four characters of label, then three a column,
// values right-aligned.
inline constexpr std::size_t kNbsLabelWidth = 4;
inline constexpr std::size_t kNbsFieldWidth = 3;

// Field `column` (from 1) of a row that starts at its label; characters
// past the row's end count as blanks.
std::string NbsField(std::string_view row, int column);

// The whole number in that field; nothing for a blank field, a
// missing-value mark (-99, -88) or anything else that is not a number.
std::optional<int> NbsFieldValue(std::string_view row, int column);

#endif  // ORVANNE_PRODUCTS_NBS_COLUMNS_H_
