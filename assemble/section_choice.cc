#include "assemble/section_choice.h"

#include <algorithm>
#include <iterator>
#include <string_view>

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

// Whether two blocks hold the same lines apart from blanks at their
// beginnings and ends, as a product and its copy from a web page do.
bool SameLines(std::string_view a, std::string_view b) {
  while (!a.empty() && !b.empty())
    if (TrimBlanks(CutLine(&a)) != TrimBlanks(CutLine(&b))) return false;
  return a.empty() && b.empty();
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

std::string_view CycleOf(Guidance guidance) { return FactsOf(guidance).cycle; }

}  // namespace

bool Refusals::empty() const {
  if (!general.empty()) return false;
  for (const auto& lines : bySection)
    if (!lines.empty()) return false;
  return true;
}

std::vector<std::string> Refusals::Lines() const {
  std::vector<std::string> lines = general;
  for (const auto& section : bySection)
    lines.insert(lines.end(), section.begin(), section.end());
  return lines;
}

SectionCollector::SectionCollector(std::optional<IssueDate> wanted,
                                   bool preferNbm, std::size_t mostDates)
    : wanted_(wanted), preferNbm_(preferNbm), mostDates_(mostDates) {}

bool SectionCollector::Keeps(const IssueDate& date) const {
  if (wanted_) return date == *wanted_;
  if (newestComplete_ && date == *newestComplete_) return true;
  if (newestComplete_ && date < *newestComplete_) return false;
  return !droppedUpTo_ || date > *droppedUpTo_;
}

bool SectionCollector::Wants(const BlockHeader& header) const {
  return StationIndex(header.station) >= 0 &&
         header.cycle == CycleOf(header.guidance) && Keeps(header.date);
}

void SectionCollector::DropOldestOverCount() {
  while (dates_.size() > mostDates_) {
    auto oldest = dates_.begin();
    if (newestComplete_ && oldest->first == *newestComplete_) ++oldest;
    if (!droppedUpTo_ || oldest->first > *droppedUpTo_)
      droppedUpTo_ = oldest->first;
    dates_.erase(oldest);
  }
}

void SectionCollector::Add(const ScannedBlock& scanned, int file) {
  const BlockHeader& header = scanned.header;
  if (!newestSeen_ || header.date > *newestSeen_) newestSeen_ = header.date;
  const int station = StationIndex(header.station);
  if (station < 0 || !Keeps(header.date)) return;

  DateSections& sections = dates_[header.date];
  Place& place = sections[IndexOf(header.guidance)][station];
  if (header.cycle != CycleOf(header.guidance)) {
    auto& cycles = place.otherCycles;
    if (cycles.empty()) place.otherModel = header.model;
    if (cycles.size() < kMostOtherCycles &&
        std::find(cycles.begin(), cycles.end(), header.cycle) == cycles.end()) {
      cycles.push_back(header.cycle);
      std::sort(cycles.begin(), cycles.end());
    }
  } else if (place.block) {
    FoundBlock& first = *place.block;
    if (first.differingFile < 0 && (first.tooLong != scanned.tooLong ||
                                    !SameLines(first.text, scanned.text)))
      first.differingFile = file;
  } else {
    place.block = FoundBlock{header, scanned.text, scanned.tooLong, file};
    // Complete: what is older can no longer be chosen.
    if (IsComplete(sections) && !wanted_ &&
        (!newestComplete_ || header.date > *newestComplete_)) {
      newestComplete_ = header.date;
      dates_.erase(dates_.begin(), dates_.lower_bound(header.date));
    }
  }
  DropOldestOverCount();
}

const SectionCollector::Place& SectionCollector::PrimaryPlace(
    const DateSections& sections, int station) const {
  const Place& nam = sections[IndexOf(Guidance::kNam)][station];
  if (preferNbm_ || !nam.block)
    return sections[IndexOf(Guidance::kNbm)][station];
  return nam;
}

const SectionCollector::Place& SectionCollector::PlaceOf(
    const DateSections& sections, int section) const {
  const int station = (section - 1) % kStationCount;
  const SectionGroup group = SectionGroupOf(section);
  if (group == SectionGroup::kPrimary) return PrimaryPlace(sections, station);
  return sections[IndexOf(FactsOf(group).issued)][station];
}

bool SectionCollector::IsComplete(const DateSections& sections) const {
  for (int section = 1; section <= kSectionCount; ++section)
    if (!PlaceOf(sections, section).block) return false;
  return true;
}

IssueDate SectionCollector::DateToChoose(Refusals* refusals) const {
  if (wanted_) return *wanted_;
  if (newestComplete_) return *newestComplete_;
  // Nothing complete: tell what the newest date lacks. Every file read
  // holds a block, so some date was seen.
  const IssueDate date = dates_.empty() ? *newestSeen_ : dates_.rbegin()->first;
  // When dates were passed over, one of them may have had all twelve: the
  // line about them says so instead.
  if (!droppedUpTo_)
    refusals->general.push_back(Fill(
        "No issue date has all twelve sections; the newest date seen is {}.",
        {FormatIssueDate(date)}));
  return date;
}

void SectionCollector::ChooseSection(const DateSections* sections, int section,
                                     ChosenSections* chosen,
                                     Refusals* refusals) const {
  const Place* place = sections ? &PlaceOf(*sections, section) : nullptr;
  if (place && place->block) {
    chosen->sections[section - 1].block = *place->block;
    chosen->found[section - 1] = true;
    return;
  }
  const SectionGroup group = SectionGroupOf(section);
  // Of the Primary group, the NAM place tells of other cycles first.
  if (place && group == SectionGroup::kPrimary && !preferNbm_ &&
      place->otherCycles.empty())
    place =
        &(*sections)[IndexOf(Guidance::kNam)][(section - 1) % kStationCount];
  const Guidance issued = FactsOf(group).issued;
  std::string name = GuidanceName(issued);
  if (group == SectionGroup::kPrimary)
    name = preferNbm_ ? GuidanceName(Guidance::kNbm)
                      : name + " or " + GuidanceName(Guidance::kNbm);
  const std::vector<std::string> none;
  const auto& others = place ? place->otherCycles : none;
  const std::string model = place ? place->otherModel : "";
  const std::string date = FormatIssueDate(chosen->date);
  const std::string_view station = SectionStation(section);
  const std::string_view cycle = CycleOf(issued);
  std::string line;
  if (others.empty())
    line = Fill("No {} guidance for {} issued {} at {} was found.",
                {name, station, date, cycle});
  else if (others.size() == 1)
    line = Fill(
        "No {} guidance for {} issued {} at {} was found; only the {} cycle of the {} guidance was found; the 1200 Model takes its {} cycle.",
        {name, station, date, cycle, others[0], model, cycle});
  else
    line = Fill(
        "No {} guidance for {} issued {} at {} was found; only the {} cycles of the {} guidance were found; the 1200 Model takes its {} cycle.",
        {name, station, date, cycle, ListCycles(others), model, cycle});
  refusals->bySection[section - 1].push_back(line);
}

void SectionCollector::Choose(ChosenSections* chosen,
                              Refusals* refusals) const {
  const IssueDate date = DateToChoose(refusals);
  // A dropped date newer than the one chosen might have been complete.
  if (!wanted_ && droppedUpTo_ &&
      (!newestComplete_ || *newestComplete_ < *droppedUpTo_))
    refusals->general.push_back(Fill(
        "The products hold too many dates to weigh them all, and dates up to {} were passed over; name the date wanted with --date.",
        {FormatIssueDate(*droppedUpTo_)}));
  chosen->date = date;
  const auto found = dates_.find(date);
  const DateSections* sections =
      found == dates_.end() ? nullptr : &found->second;
  for (int section = 1; section <= kSectionCount; ++section)
    ChooseSection(sections, section, chosen, refusals);
}
