#include "assemble/section_choice.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "assemble/nbs_translation.h"
#include "assemble/needed_rows.h"
#include "common/console.h"
#include "common/token_reads.h"

namespace {

// Other cycles named in a refusal; more are passed over.
constexpr std::size_t kMostOtherCycles = 8;

int StationIndex(std::string_view station) {
  for (int i = 0; i < kStationCount; ++i)
    if (kBulletinStations[i] == station) return i;
  return -1;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Whether two blocks hold the same lines apart from blanks at their
// beginnings and ends, as a product and its copy from a web page do.
bool SameLines(std::string_view a, std::string_view b) {
  while (!a.empty() && !b.empty()) {
    const std::size_t aEnd = a.find('\n');
    const std::size_t bEnd = b.find('\n');
    if (TrimBlanks(a.substr(0, aEnd)) != TrimBlanks(b.substr(0, bEnd)))
      return false;
    a.remove_prefix(aEnd == std::string_view::npos ? a.size() : aEnd + 1);
    b.remove_prefix(bEnd == std::string_view::npos ? b.size() : bEnd + 1);
  }
  return a.empty() && b.empty();
}

// The lines of a block's text, each without its "\n".
std::vector<std::string> LinesOf(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

// "0600", "0600 and 1200", "0600, 1200 and 1800".
std::string ListCycles(const std::vector<std::string>& cycles) {
  std::string list;
  for (std::size_t i = 0; i < cycles.size(); ++i) {
    if (i > 0) list += i + 1 == cycles.size() ? " and " : ", ";
    list += cycles[i];
  }
  return list;
}

}  // namespace

SectionCollector::SectionCollector(std::optional<IssueDate> wanted,
                                   bool preferBlend, std::size_t heldBudget)
    : wanted_(wanted), preferBlend_(preferBlend), heldBudget_(heldBudget) {}

bool SectionCollector::Keeps(const IssueDate& date) const {
  if (wanted_) return date == *wanted_;
  if (newestComplete_ && date == *newestComplete_) return true;
  if (newestComplete_ && date < *newestComplete_) return false;
  return !droppedUpTo_ || date > *droppedUpTo_;
}

bool SectionCollector::Wants(const BlockHeader& header) const {
  return StationIndex(header.station) >= 0 &&
         header.cycle == GuidanceCycle(header.guidance) && Keeps(header.date);
}

SectionCollector::DateSections& SectionCollector::SectionsOf(
    const IssueDate& date) {
  const auto [at, added] = dates_.try_emplace(date);
  constexpr std::size_t kMapNode = 64;
  if (added) Hold(at->second, sizeof(DateSections) + kMapNode);
  return at->second;
}

void SectionCollector::Hold(DateSections& sections, std::size_t bytes) {
  sections.held += bytes;
  held_ += bytes;
}

void SectionCollector::Drop(Dates::iterator first, Dates::iterator last) {
  for (auto at = first; at != last; ++at) held_ -= at->second.held;
  dates_.erase(first, last);
}

void SectionCollector::DropOldestWhileOverBudget() {
  while (held_ > heldBudget_) {
    auto oldest = dates_.begin();
    if (oldest != dates_.end() && newestComplete_ &&
        oldest->first == *newestComplete_)
      ++oldest;
    if (oldest == dates_.end()) return;
    if (!droppedUpTo_ || oldest->first > *droppedUpTo_)
      droppedUpTo_ = oldest->first;
    Drop(oldest, std::next(oldest));
  }
}

void SectionCollector::Add(const ScannedBlock& scanned, int file) {
  const BlockHeader& header = scanned.header;
  if (!newestSeen_ || header.date > *newestSeen_) newestSeen_ = header.date;
  const int station = StationIndex(header.station);
  if (station < 0 || !Keeps(header.date)) return;

  DateSections& sections = SectionsOf(header.date);
  Place& place = sections.places[GuidanceIndex(header.guidance)][station];
  if (header.cycle != GuidanceCycle(header.guidance)) {
    auto& cycles = place.otherCycles;
    if (cycles.empty()) place.otherModel = header.model;
    if (cycles.size() < kMostOtherCycles &&
        std::find(cycles.begin(), cycles.end(), header.cycle) == cycles.end()) {
      cycles.push_back(header.cycle);
      std::sort(cycles.begin(), cycles.end());
      Hold(sections, sizeof(std::string));
    }
  } else if (place.block) {
    FoundBlock& first = *place.block;
    if (first.differingFile < 0 && (first.tooLong != scanned.tooLong ||
                                    !SameLines(first.text, scanned.text)))
      first.differingFile = file;
  } else {
    // A copy of exactly the text's size; the scanner keeps its buffer.
    place.block = FoundBlock{header.guidance,
                             header.model,
                             header.dateWord,
                             header.cycle,
                             scanned.text,
                             scanned.tooLong,
                             file};
    Hold(sections, place.block->text.capacity());
    // Complete: what is older can no longer be chosen.
    if (IsComplete(sections) && !wanted_ &&
        (!newestComplete_ || header.date > *newestComplete_)) {
      newestComplete_ = header.date;
      Drop(dates_.begin(), dates_.lower_bound(header.date));
    }
  }
  DropOldestWhileOverBudget();
}

const SectionCollector::Place* SectionCollector::PrimaryPlace(
    const DateSections& sections, int station) const {
  const Place& nam =
      sections.places[GuidanceIndex(Guidance::kShortPrimary)][station];
  const Place& nbm =
      sections.places[GuidanceIndex(Guidance::kBlendShort)][station];
  if (preferBlend_ || !nam.block) return &nbm;
  return &nam;
}

bool SectionCollector::IsComplete(const DateSections& sections) const {
  for (int station = 0; station < kStationCount; ++station) {
    if (!PrimaryPlace(sections, station)->block) return false;
    for (Guidance guidance : {Guidance::kShortSecondary, Guidance::kExtended})
      if (!sections.places[GuidanceIndex(guidance)][station].block)
        return false;
  }
  return true;
}

void SectionCollector::CheckDate(const IssueDate& date,
                                 const DateSections* sections,
                                 const std::vector<std::string>& fileNames,
                                 ChosenSections& chosen,
                                 std::vector<std::string>& refusals) const {
  const std::string dateText = FormatIssueDate(date);
  const FoundBlock* firstFound = nullptr;
  bool spellingTold = false;
  for (int section = 1; section <= kSectionCount; ++section) {
    const int group = (section - 1) / kStationCount;
    const int stationIndex = (section - 1) % kStationCount;
    const Guidance guidance = kSectionGroups[group];
    const std::string_view station = SectionStation(section);
    const std::string_view cycle = GuidanceCycle(guidance);
    const Place* place = nullptr;
    if (sections != nullptr)
      place = group == 0
                  ? PrimaryPlace(*sections, stationIndex)
                  : &sections->places[GuidanceIndex(guidance)][stationIndex];
    if (place == nullptr || !place->block) {
      // Of the primary group, the NAM place tells of other cycles first.
      if (place != nullptr && group == 0 && !preferBlend_ &&
          place->otherCycles.empty())
        place =
            &sections
                 ->places[GuidanceIndex(Guidance::kShortPrimary)][stationIndex];
      std::string_view name = GuidanceName(guidance);
      if (group == 0) name = preferBlend_ ? "NBM" : "NAM (or ETA) or NBM";
      if (place == nullptr || place->otherCycles.empty())
        refusals.push_back(
            Fill("No {} guidance for {} issued {} at {} was found.",
                 {name, station, dateText, cycle}));
      else if (place->otherCycles.size() == 1)
        refusals.push_back(Fill(
            "No {} guidance for {} issued {} at {} was found; only the {} cycle of the {} guidance was found; the 1200 Model takes its {} cycle.",
            {name, station, dateText, cycle, place->otherCycles[0],
             place->otherModel, cycle}));
      else
        refusals.push_back(Fill(
            "No {} guidance for {} issued {} at {} was found; only the {} cycles of the {} guidance were found; the 1200 Model takes its {} cycle.",
            {name, station, dateText, cycle, ListCycles(place->otherCycles),
             place->otherModel, cycle}));
      continue;
    }

    const FoundBlock& block = *place->block;
    chosen.blocks[section - 1] = &block;
    if (block.differingFile >= 0)
      refusals.push_back(Fill(
          "The {} guidance for {} issued {} at {} was found twice, in {} and in {}, and the two blocks differ.",
          {block.model, station, dateText, block.cycle, fileNames[block.file],
           fileNames[block.differingFile]}));
    if (block.tooLong) {
      refusals.push_back(Fill(
          "The {} guidance for {} issued {} at {} in {} runs on past {} bytes; no station block is that long.",
          {block.model, station, dateText, block.cycle, fileNames[block.file],
           std::to_string(kMaxBlockLength)}));
      continue;
    }
    if (block.guidance == Guidance::kBlendShort) {
      std::string err;
      if (!TranslateNbsBlock(LinesOf(block.text),
                             &chosen.translated[section - 1], &err))
        refusals.push_back(err);
    } else {
      for (std::string_view row : MissingRows(guidance, block.text))
        refusals.push_back(
            Fill("The {} guidance for {} issued {} at {} has no {} row.",
                 {block.model, station, dateText, block.cycle, row}));
    }

    // The bulletin's header check compares date words as text.
    if (firstFound == nullptr) {
      firstFound = &block;
    } else if (!spellingTold && block.dateWord != firstFound->dateWord) {
      refusals.push_back(Fill(
          "The sections for {} write that date in two ways, {} and {}; the 1200 Model needs one date word in all twelve headers.",
          {dateText, firstFound->dateWord, block.dateWord}));
      spellingTold = true;
    }
  }
}

bool SectionCollector::Choose(const std::vector<std::string>& fileNames,
                              ChosenSections& chosen,
                              std::vector<std::string>& refusals) const {
  const std::size_t before = refusals.size();
  IssueDate date;
  if (wanted_) {
    date = *wanted_;
  } else if (newestComplete_) {
    date = *newestComplete_;
  } else {
    // Nothing complete: tell what the newest date lacks.
    if (!dates_.empty()) {
      date = dates_.rbegin()->first;
    } else if (newestSeen_) {
      date = *newestSeen_;
    } else {
      refusals.push_back("No station block was found.");
      return false;
    }
    refusals.push_back(Fill(
        "No issue date has all twelve sections; the newest date seen is {}.",
        {FormatIssueDate(date)}));
  }

  // A dropped date newer than the one chosen might have been complete.
  if (!wanted_ && droppedUpTo_ &&
      (!newestComplete_ || *newestComplete_ < *droppedUpTo_))
    refusals.push_back(Fill(
        "The products hold too many dates to weigh them all, and dates up to {} were passed over; name the date wanted with --date.",
        {FormatIssueDate(*droppedUpTo_)}));

  const auto found = dates_.find(date);
  const DateSections* sections =
      found == dates_.end() ? nullptr : &found->second;
  ChosenSections checked;
  CheckDate(date, sections, fileNames, checked, refusals);
  if (refusals.size() != before) return false;

  // No refusal: all twelve were found.
  chosen = std::move(checked);
  chosen.date = date;
  return true;
}
