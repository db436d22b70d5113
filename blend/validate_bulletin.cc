#include "blend/validate_bulletin.h"

#include "blend/station_records.h"
#include "common/scan_file.h"
#include "common/token_reads.h"
#include "products/guidance.h"

namespace {

// Whether `model` is a model word of the guidance of `group`, and
// `cycle` the cycle the 1200 Model takes of it.
bool IsGroupGuidance(SectionGroup group, const std::string& model,
                     const std::string& cycle) {
  Guidance guidance;
  return FindGuidance(model, &guidance) && FactsOf(guidance).group == group &&
         cycle == FactsOf(guidance).cycle;
}

// The five header words after the station word. A word that cannot be read
// leaves the one before it in place, and the tests apply to that.
struct HeaderRest {
  std::string model, ignored, date, cycle;
};

void ReadHeaderRest(std::istream& in, HeaderRest& header) {
  ReadWord(in, header.model);
  ReadWord(in, header.ignored);
  ReadWord(in, header.ignored);
  ReadWord(in, header.date);
  ReadWord(in, header.cycle);
}

// True when the twelve headers stand as the 1200 Model needs them; `named`
// then holds the date and the words of sections 1 and 5.
bool HeadersInOrder(std::istream& in, BulletinHeaders* named) {
  std::string station;
  HeaderRest header;
  ReadWord(in, station);
  ReadHeaderRest(in, header);
  if (station != kBulletinStations[0] ||
      !IsGroupGuidance(SectionGroup::kPrimary, header.model, header.cycle))
    return false;
  // A date word too long to be kept whole could not be compared.
  const std::string referenceDate = header.date;
  if (referenceDate.size() >= kMaxWordKept) return false;
  named->issueDateWord = referenceDate;
  IssueDate issued;
  if (ParseIssueDate(referenceDate, &issued)) named->issueDate = issued;
  named->primaryModel = header.model;
  named->models[0] = header.model;

  for (int section = 2; section <= kSectionCount; ++section) {
    const std::string_view expected = SectionStation(section);
    const SectionGroup group = SectionGroupOf(section);
    // Everything up to the station's next header word is its rows; a
    // header word the file ends on has nothing after it.
    if (!SkipToLabel(in, expected) || in.eof()) return false;
    ReadHeaderRest(in, header);
    if (!IsGroupGuidance(group, header.model, header.cycle) ||
        header.date != referenceDate)
      return false;
    if (section == kStationCount + 1) named->secondaryModel = header.model;
    named->models[section - 1] = header.model;
  }
  return true;
}

}  // namespace

bool ValidateBulletin(std::istream& bulletin, std::string* err,
                      BulletinHeaders* headers) {
  BulletinHeaders named;
  if (HeadersInOrder(bulletin, &named)) {
    if (headers) *headers = std::move(named);
    return true;
  }
  *err = "Your input file is invalid.";
  return false;
}

bool ValidateBulletin(const std::string& bulletinName, std::string* err,
                      BulletinHeaders* headers) {
  ScanFile in(bulletinName);
  return ValidateBulletin(in, err, headers);
}
