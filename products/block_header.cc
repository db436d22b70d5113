#include "products/block_header.h"

#include "common/token_reads.h"

namespace {

struct ModelWord {
  std::string_view word;
  Guidance guidance;
};

constexpr std::array<ModelWord, 7> kModelWords{{
    {"NAM", Guidance::kShortPrimary},
    {"ETA", Guidance::kShortPrimary},
    {"GFS", Guidance::kShortSecondary},
    {"AVN", Guidance::kShortSecondary},
    {"GFSX", Guidance::kExtended},
    {"MRF", Guidance::kExtended},
    {"NBM", Guidance::kBlendShort},
}};

// Cuts the next word off the front of `rest`; empty when none is left.
std::string_view NextWord(std::string_view& rest) {
  std::size_t begin = 0;
  while (begin < rest.size() && IsBlank(rest[begin])) ++begin;
  std::size_t end = begin;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  const std::string_view word = rest.substr(begin, end - begin);
  rest.remove_prefix(end);
  return word;
}

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
    if (c < '0' || c > '9') return false;
  return true;
}

bool LookUpModel(std::string_view word, Guidance& guidance) {
  for (const ModelWord& model : kModelWords) {
    if (model.word == word) {
      guidance = model.guidance;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string_view GuidanceName(Guidance guidance) {
  switch (guidance) {
    case Guidance::kShortPrimary:
      return "NAM (or ETA)";
    case Guidance::kShortSecondary:
      return "GFS (or AVN)";
    case Guidance::kExtended:
      return "GFSX (or MRF)";
    case Guidance::kBlendShort:
      return "NBM";
  }
  return "";
}

std::string_view GuidanceCycle(Guidance guidance) {
  return guidance == Guidance::kExtended ? "0000" : "1200";
}

bool RecognizeHeader(std::string_view line, BlockHeader& header) {
  // The model word comes second; testing it first passes over row lines
  // cheaply.
  std::string_view rest = line;
  const std::string_view station = NextWord(rest);
  const std::string_view model = NextWord(rest);
  Guidance guidance;
  if (!LookUpModel(model, guidance) || !IsStation(station)) return false;
  // The blend of models' header carries a version word before its product.
  if (guidance == Guidance::kBlendShort) {
    const std::string_view version = NextWord(rest);
    if (version.empty() || NextWord(rest) != "NBS") return false;
  } else if (NextWord(rest) != "MOS") {
    return false;
  }
  if (NextWord(rest) != "GUIDANCE") return false;
  const std::string_view dateWord = NextWord(rest);
  const std::string_view cycle = NextWord(rest);
  IssueDate date;
  if (!ParseIssueDate(dateWord, date) || !IsCycle(cycle) ||
      NextWord(rest) != "UTC" || !NextWord(rest).empty())
    return false;
  header.station = station;
  header.model = model;
  header.guidance = guidance;
  header.date = date;
  header.dateWord = dateWord;
  header.cycle = cycle;
  return true;
}
