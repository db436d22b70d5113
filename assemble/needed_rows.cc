#include "assemble/needed_rows.h"

#include <array>

#include "common/token_reads.h"

namespace {

// A needed row and the other label that may stand for it.
struct NeededRow {
  std::string_view label;
  std::string_view alternative;
};

constexpr std::array<NeededRow, 6> kShortRangeRows{{
    {"N/X", "X/N"},
    {"DPT", ""},
    {"P12", ""},
    {"CLD", ""},
    {"WDR", ""},
    {"WSP", ""},
}};

constexpr std::array<NeededRow, 5> kExtendedRows{{
    {"X/N", ""},
    {"DPT", ""},
    {"P24", ""},
    {"CLD", ""},
    {"WND", ""},
}};

std::string_view FirstWord(std::string_view line) {
  std::size_t begin = 0;
  while (begin < line.size() && IsBlank(line[begin])) ++begin;
  std::size_t end = begin;
  while (end < line.size() && !IsBlank(line[end])) ++end;
  return line.substr(begin, end - begin);
}

template <std::size_t N>
std::vector<std::string_view> Missing(const std::array<NeededRow, N>& rows,
                                      std::string_view block) {
  std::array<bool, N> present{};
  // The header is the first line; rows follow it.
  std::size_t at = block.find('\n');
  while (at != std::string_view::npos && at + 1 < block.size()) {
    const std::size_t next = block.find('\n', at + 1);
    const std::string_view label =
        FirstWord(block.substr(at + 1, next - (at + 1)));
    for (std::size_t i = 0; i < N; ++i)
      if (label == rows[i].label ||
          (!rows[i].alternative.empty() && label == rows[i].alternative))
        present[i] = true;
    at = next;
  }
  std::vector<std::string_view> missing;
  for (std::size_t i = 0; i < N; ++i)
    if (!present[i]) missing.push_back(rows[i].label);
  return missing;
}

}  // namespace

std::vector<std::string_view> MissingRows(Guidance guidance,
                                          std::string_view block) {
  if (guidance == Guidance::kExtended) return Missing(kExtendedRows, block);
  return Missing(kShortRangeRows, block);
}
