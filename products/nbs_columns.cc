#include "products/nbs_columns.h"

#include "common/token_reads.h"

std::string NbsField(std::string_view row, int column) {
  const std::size_t start = kNbsLabelWidth + kNbsFieldWidth * (column - 1);
  std::string field(kNbsFieldWidth, ' ');
  if (start < row.size()) {
    const std::string_view text = row.substr(start, kNbsFieldWidth);
    field.replace(0, text.size(), text);
  }
  return field;
}

std::optional<int> NbsFieldValue(std::string_view row, int column) {
  const std::string field = NbsField(row, column);
  std::size_t i = field.find_first_not_of(' ');
  if (i == std::string::npos) return std::nullopt;
  const bool negative = field[i] == '-';
  if (negative) ++i;
  if (i == field.size()) return std::nullopt;
  int value = 0;
  for (; i < field.size(); ++i) {
    if (!IsDigit(field[i])) return std::nullopt;
    value = value * 10 + (field[i] - '0');
  }
  if (negative) value = -value;
  if (value == -99 || value == -88) return std::nullopt;
  return value;
}
