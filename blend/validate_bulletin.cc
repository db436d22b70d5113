#include "blend/validate_bulletin.h"

#include <array>
#include <fstream>
#include <span>
#include <string_view>

#include "blend/station_records.h"
#include "common/token_reads.h"

namespace {

struct ModelGroup {
  std::span<const std::string_view> models;
  std::string_view cycle;
};

// "NAM" is the later name of the "ETA" guidance, as "GFS" and "GFSX" are of
// "AVN" and "MRF"; "NBM" is the blend of models' short-range guidance that
// stands in for the retired NAM, translated into the same rows.
constexpr std::string_view kPrimaryModels[] = {"ETA", "NAM", "NBM"};
constexpr std::string_view kSecondaryModels[] = {"AVN", "GFS"};
constexpr std::string_view kExtendedModels[] = {"MRF", "GFSX"};

// Sections 1-4, 5-8 and 9-12.
constexpr std::array<ModelGroup, 3> kGroups{{
    {kPrimaryModels, "1200"},
    {kSecondaryModels, "1200"},
    {kExtendedModels, "0000"},
}};

bool NamesGroupModel(const ModelGroup& group, const std::string& model) {
  for (std::string_view name : group.models)
    if (model == name) return true;
  return false;
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

// True when the twelve headers stand as the 1200 Model needs them.
bool HeadersInOrder(const std::string& bulletinName) {
  std::ifstream in(bulletinName);
  std::string station;
  HeaderRest header;
  ReadWord(in, station);
  ReadHeaderRest(in, header);
  if (station != kBulletinStations[0] ||
      !NamesGroupModel(kGroups[0], header.model) ||
      header.cycle != kGroups[0].cycle)
    return false;
  // A date word too long to be kept whole could not be compared.
  const std::string referenceDate = header.date;
  if (referenceDate.size() >= kMaxWordKept) return false;

  for (int section = 2; section <= kSectionCount; ++section) {
    const std::string_view expected = SectionStation(section);
    const ModelGroup& group = kGroups[(section - 1) / kStationCount];
    // Everything up to the station's next header word is its rows.
    station.clear();
    while (station != expected) {
      ReadWord(in, station);
      if (in.eof()) return false;
    }
    ReadHeaderRest(in, header);
    if (!NamesGroupModel(group, header.model) || header.cycle != group.cycle ||
        header.date != referenceDate)
      return false;
  }
  return true;
}

}  // namespace

bool ValidateBulletin(const std::string& bulletinName, std::string* err) {
  if (HeadersInOrder(bulletinName)) return true;
  *err = "Your input file is invalid.";
  return false;
}

bool ReadPrimaryHeaderFacts(const std::string& bulletinName,
                            PrimaryHeaderFacts* facts) {
  std::ifstream in(bulletinName);
  std::string station;
  HeaderRest header;
  ReadWord(in, station);
  ReadHeaderRest(in, header);
  facts->dateWord = header.date;
  facts->models[0] = header.model;
  for (int section = 2; section <= kStationCount; ++section) {
    station.clear();
    while (station != SectionStation(section)) {
      ReadWord(in, station);
      if (in.eof()) return false;
    }
    ReadHeaderRest(in, header);
    facts->models[section - 1] = header.model;
  }
  return !in.fail();
}
