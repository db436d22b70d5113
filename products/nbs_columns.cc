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
  return GuidanceValue(NbsField(row, column));
}
