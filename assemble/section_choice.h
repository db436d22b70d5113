#ifndef ORVANNE_ASSEMBLE_SECTION_CHOICE_H_
#define ORVANNE_ASSEMBLE_SECTION_CHOICE_H_

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "assemble/block_header.h"
#include "assemble/block_scanner.h"
#include "assemble/issue_date.h"
#include "blend/bulletin_stations.h"

// Collects the blocks that can fill the twelve sections of the 1200 Model
// bulletin, date by date, and chooses the date and its twelve blocks.
//
// Section k (1 to 12) is station (k - 1) % 4 of BulletinStations under
// guidance (k - 1) / 4 (primary, secondary, extended short-range order of
// Guidance), at the cycle GuidanceCycle gives.
//
// Only the four stations' blocks of that cycle are kept. Without a wanted
// date, every date newer than the newest complete one is kept (a date is
// complete when all twelve sections are found); older dates are dropped as
// soon as a newer one completes, so products read in date order, either
// way, hold at most two dates at a time.

// A block found for a section.
struct FoundBlock {
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
};

class SectionCollector {
 public:
  // Collects only blocks of `wanted` when it is given.
  explicit SectionCollector(std::optional<IssueDate> wanted);

  // Whether the lines of the block under `header` are wanted.
  bool Wants(const BlockHeader& header) const;

  // Takes a block that file number `file` holds; moves its text out when
  // it is kept.
  void Add(ScannedBlock& block, int file);

  // Picks the wanted date, or else the newest complete one, and checks its
  // twelve sections: each found, once (identical copies aside), with every
  // row the 1200 Model reads, and all headers writing the date alike. On
  // success fills `chosen`, whose blocks live as long as the collector. On
  // failure `refusals` gets one line per problem, in section order;
  // `fileNames` names the files by number. Without a wanted date and
  // without a complete date, the newest date seen is checked, after a line
  // that says so.
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
    int found = 0;
  };

  bool Keeps(const IssueDate& date) const;
  void CheckDate(const IssueDate& date, const DateSections* sections,
                 const std::vector<std::string>& fileNames,
                 std::vector<std::string>& refusals) const;

  std::optional<IssueDate> wanted_;
  std::optional<IssueDate> newestComplete_;
  std::optional<IssueDate> newestSeen_;  // of any block, any station
  std::map<IssueDate, DateSections> dates_;
};

#endif  // ORVANNE_ASSEMBLE_SECTION_CHOICE_H_
