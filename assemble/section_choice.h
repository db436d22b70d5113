#ifndef ORVANNE_ASSEMBLE_SECTION_CHOICE_H_
#define ORVANNE_ASSEMBLE_SECTION_CHOICE_H_

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "products/stations.h"
#include "products/block_header.h"
#include "products/block_scanner.h"
#include "products/issue_date.h"

// Collects the blocks that can fill the twelve sections of the 1200 Model
// bulletin, date by date, and chooses the date and its twelve blocks.
//
// Section k (1 to 12) is station (k - 1) % 4 of kBulletinStations in the
// section group SectionGroupOf(k), at the cycle the guidance table gives;
// the Primary sections come from the NAM guidance or, to be translated,
// from the NBM guidance.
//
// Only the four stations' blocks of that cycle are kept, and of the other
// cycles only which were seen. With a wanted date, only its blocks are kept.
// Without one, every date newer than the newest complete one (a date is
// complete when all twelve sections are found) is kept: older dates are
// dropped as soon as a newer one completes, so products read in date order,
// either way, hold about two dates at a time. What is held is bounded all
// the same: past `mostDates` dates, the oldest incomplete ones are dropped,
// and Choose refuses when one of them might have been the newest complete
// date.

// A block found for a section.
struct FoundBlock {
  BlockHeader header;
  std::string text;  // see ScannedBlock
  bool tooLong = false;
  int file = 0;            // index of the file it was found in
  int differingFile = -1;  // a file holding a different block for the
                           // same section, when one was found
};

// One chosen section: the block found, its text the one to write (the
// NBM block's once translated).
struct ChosenSection {
  FoundBlock block;
  bool translated = false;
};

// The refusals of an assembly: lines about the whole, then each section's,
// printed in that order.
struct Refusals {
  std::vector<std::string> general;
  std::array<std::vector<std::string>, kSectionCount> bySection;

  bool empty() const;
  std::vector<std::string> Lines() const;
};

struct ChosenSections {
  IssueDate date;
  std::array<ChosenSection, kSectionCount> sections;
  std::array<bool, kSectionCount> found{};
};

class SectionCollector {
 public:
  // Collects only blocks of `wanted` when it is given. The Primary sections
  // take the NAM guidance where it is found and the NBM guidance otherwise,
  // or, with `preferNbm`, the NBM guidance always.
  explicit SectionCollector(std::optional<IssueDate> wanted, bool preferNbm,
                            std::size_t mostDates = kMostDates);

  // Dates held at most, of about 20 KB each in issued products.
  static constexpr std::size_t kMostDates = 32;

  // Whether the lines of the block under `header` are wanted.
  bool Wants(const BlockHeader& header) const;

  // Takes a block that file number `file` holds.
  void Add(const ScannedBlock& block, int file);

  // Picks the wanted date, or else the newest complete one, and the block
  // of each of its twelve sections, into `chosen` (`found` says which were
  // found). A section not found gets its line in `refusals`. Without a
  // wanted date and without a complete date, the newest date seen is taken,
  // after a line that says so; when a date dropped to keep memory bounded
  // might have been newer than the one taken, a line says that instead and
  // asks for --date.
  void Choose(ChosenSections* chosen, Refusals* refusals) const;

 private:
  // Where one station's blocks of one guidance go, for one date.
  struct Place {
    std::optional<FoundBlock> block;
    // Cycles other than the one taken, with the model word of the first
    // block seen at one of them.
    std::vector<std::string> otherCycles;
    std::string otherModel;
  };
  using DateSections =
      std::array<std::array<Place, kStationCount>, kGuidanceCount>;
  using Dates = std::map<IssueDate, DateSections>;

  bool Keeps(const IssueDate& date) const;
  void DropOldestOverCount();
  // Where a station's Primary section comes from.
  const Place& PrimaryPlace(const DateSections& sections, int station) const;
  const Place& PlaceOf(const DateSections& sections, int section) const;
  bool IsComplete(const DateSections& sections) const;
  IssueDate DateToChoose(Refusals* refusals) const;
  void ChooseSection(const DateSections* sections, int section,
                     ChosenSections* chosen, Refusals* refusals) const;

  std::optional<IssueDate> wanted_;
  bool preferNbm_;
  std::size_t mostDates_;
  std::optional<IssueDate> newestComplete_;
  std::optional<IssueDate> newestSeen_;   // of any block, any station
  std::optional<IssueDate> droppedUpTo_;  // dropped to keep memory bounded
  Dates dates_;
};

#endif  // ORVANNE_ASSEMBLE_SECTION_CHOICE_H_
