#include "products/block_header.h"

#include "common/token_reads.h"

namespace {

bool IsCapitalOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsStation(std::string_view word) {
  if (word.size() < 2 || word.size() > 8) return false;
  for (char c : word)
    if (!IsCapitalOrDigit(c)) return false;
  return true;
}

bool IsCycle(std::string_view word) {
  if (word.size() != 4) return false;
  for (char c : word)
    if (!IsDigit(c)) return false;
  return true;
}

}  // namespace

bool RecognizeHeader(std::string_view line, BlockHeader* header) {
  if (!EndsLikeHeader(line)) return false;
  std::string_view rest = line;
  const std::string_view station = CutWord(&rest);
  const std::string_view model = CutWord(&rest);
  Guidance guidance;
  if (!FindGuidance(model, &guidance) || !IsStation(station)) return false;
  const GuidanceFacts& facts = FactsOf(guidance);
  if (facts.versionWord && CutWord(&rest).empty()) return false;
  if (CutWord(&rest) != facts.product) return false;
  if (CutWord(&rest) != "GUIDANCE") return false;
  const std::string_view dateWord = CutWord(&rest);
  const std::string_view cycle = CutWord(&rest);
  IssueDate date;
  if (!ParseIssueDate(dateWord, &date) || !IsCycle(cycle) ||
      CutWord(&rest) != "UTC" || !CutWord(&rest).empty())
    return false;
  header->station = station;
  header->model = model;
  header->guidance = guidance;
  header->date = date;
  header->dateWord = dateWord;
  header->cycle = cycle;
  return true;
}
