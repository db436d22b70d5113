#include "products/guidance.h"

bool FindGuidance(std::string_view word, Guidance* guidance) {
  for (const GuidanceFacts& facts : kGuidanceTable) {
    if (word == facts.word ||
        (!facts.olderWord.empty() && word == facts.olderWord)) {
      *guidance = facts.guidance;
      return true;
    }
  }
  return false;
}

std::string GuidanceName(Guidance guidance) {
  const GuidanceFacts& facts = FactsOf(guidance);
  std::string name(facts.word);
  if (!facts.olderWord.empty())
    name += " (or " + std::string(facts.olderWord) + ")";
  return name;
}
