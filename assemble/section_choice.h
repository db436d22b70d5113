#ifndef ORVANNE_ASSEMBLE_SECTION_CHOICE_H_
#define ORVANNE_ASSEMBLE_SECTION_CHOICE_H_

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "products/block_header.h"
#include "products/block_scanner.h"
#include "products/issue_date.h"
#include "blend/station_records.h"

// Collects the blocks that can fill the twelve sections of the 1200 Model
// bulletin, date by date, and chooses the date and its twelve blocks.
//
// Section k (1 to 12) is station (k - 1) % 4 of BulletinStations under
// the section group (k - 1) / 4 of kSectionGroups (short-range primary,
// short-range secondary, extended), at the cycle GuidanceCycle gives; the
// short-range primary sections come from the NAM guidance or, translated,
// from the blend of models' short-range text.
//
// Only the four stations' blocks of that cycle are kept, and of the other
// cycles only which were seen. With a wanted date, only its blocks are kept.
// Without one, every date newer than the newest complete one (a date is
// complete when all twelve sections are found) is kept: older dates are
// dropped as soon as a newer one completes, so products read in date order,
// either way, hold about two dates at a time. What is held is bounded all
// the same: past `heldBudget` bytes, the oldest incomplete dates are
// dropped, and Choose refuses when one of them might have been the newest
// complete date.

// A block found for a section.
struct FoundBlock {
  Guidance guidance = Guidance::kShortPrimary;
  std::string model;     // its model word
  std::string dateWord;  // its date as written
  std::string cycle;
  std::string text;  // see ScannedBlock
  bool tooLong = false;
  int file = 0;            // index of the file it was found in
  int differingFile = -1;  // a file holding a different block for the
                           // same section, when one was found
};

struct ChosenSections {
  IssueDate date;
  std::array<const FoundBlock*, kSectionCount> blocks{};
  // A block of the blend of models' text, translated into the section the
  // 1200 Model reads; empty for a block taken as issued.
  std::array<std::string, kSectionCount> translated;
};

class SectionCollector {
 public:
  // Collects only blocks of `wanted` when it is given. Sections 1 to 4 take
  // the NAM guidance where it is found and the blend of models' otherwise,
  // or, with `preferBlend`, the blend of models' always.
  explicit SectionCollector(std::optional<IssueDate> wanted, bool preferBlend,
                            std::size_t heldBudget = kMostHeld);

  // About 150 dates of eight blocks.
  static constexpr std::size_t kMostHeld = std::size_t{2} << 20;

  // Whether the lines of the block under `header` are wanted.
  bool Wants(const BlockHeader& header) const;

  // Takes a block that file number `file` holds.
  void Add(const ScannedBlock& block, int file);

  // Picks the wanted date, or else the newest complete one, and checks its
  // twelve sections: each found, once (identical copies aside), with every
  // row the 1200 Model reads, and all headers writing the date alike. On
  // success fills `chosen`, whose blocks live as long as the collector. On
  // failure `refusals` gets one line per problem, in section order;
  // `fileNames` names the files by number. Without a wanted date and
  // without a complete date, the newest date seen is checked, after a line
  // that says so; and when a date dropped over the budget might have been
  // newer than the one chosen, a line says that instead of choosing it.
  bool Choose(const std::vector<std::string>& fileNames, ChosenSections& chosen,
              std::vector<std::string>& refusals) const;

 private:
  // Where one station's blocks of one guidance go, for one date.
  struct Place {
    std::optional<FoundBlock> block;
    // Cycles other than the one taken, with the model word of the first
    // block seen at one of them.
    std::vector<std::string> otherCycles;
    std::string otherModel;
  };
  struct DateSections {
    std::array<std::array<Place, kStationCount>, kGuidanceCount> places;
    std::size_t held = 0;  // bytes, roughly
  };
  using Dates = std::map<IssueDate, DateSections>;

  bool Keeps(const IssueDate& date) const;
  DateSections& SectionsOf(const IssueDate& date);
  void Hold(DateSections& sections, std::size_t bytes);
  void Drop(Dates::iterator first, Dates::iterator last);
  void DropOldestWhileOverBudget();
  // Where a station's section 1 to 4 comes from.
  const Place* PrimaryPlace(const DateSections& sections, int station) const;
  bool IsComplete(const DateSections& sections) const;
  // Checks the date's twelve sections into `chosen`, translating blocks of
  // the blend of models'.
  void CheckDate(const IssueDate& date, const DateSections* sections,
                 const std::vector<std::string>& fileNames,
                 ChosenSections& chosen,
                 std::vector<std::string>& refusals) const;

  std::optional<IssueDate> wanted_;
  bool preferBlend_;
  std::size_t heldBudget_;
  std::size_t held_ = 0;
  std::optional<IssueDate> newestComplete_;
  std::optional<IssueDate> newestSeen_;   // of any block, any station
  std::optional<IssueDate> droppedUpTo_;  // dropped over the budget
  Dates dates_;
};

#endif  // ORVANNE_ASSEMBLE_SECTION_CHOICE_H_
