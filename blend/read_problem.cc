#include "blend/read_problem.h"

#include "blend/bulletin_stations.h"

namespace {

constexpr std::size_t kQuotedWordLength = 32;

std::string SectionText(int section) {
  return "section " + std::to_string(section) + " (" +
         std::string(SectionStation(section)) + ")";
}

}  // namespace

std::string MissingRowProblem(std::string_view label, int section) {
  return "The bulletin could not be read: row \"" + std::string(label) +
         "\" of " + SectionText(section) + " is missing or incomplete.";
}

std::string UnknownCloudProblem(std::string_view word, int section) {
  std::string quoted(word.substr(0, kQuotedWordLength));
  // A bulletin's bytes must not reach the console as terminal controls.
  for (char& c : quoted)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  if (word.size() > kQuotedWordLength) quoted += "...";
  return "The bulletin could not be read: \"" + quoted +
         "\" in row \"CLD\" of " + SectionText(section) +
         " is not a known cloud cover word.";
}
