#ifndef ORVANNE_BLEND_READ_SECTIONS_H_
#define ORVANNE_BLEND_READ_SECTIONS_H_

#include <fstream>
#include <istream>
#include <string>

#include "blend/station_records.h"

// Both blend readers pass once through the named bulletin from its
// beginning: eight short-range sections ("ETA" stations, then "AVN"), then
// four extended ones, each reader call starting where the previous stopped.
// The caller's arrays are written only when all twelve were read; otherwise
// `error` holds the first problem.
template <typename ShortRecord, typename ExtendedRecord>
bool ReadTwelveSections(
    const std::string& fileName, StationRecords<ShortRecord>& eta,
    StationRecords<ShortRecord>& avn, StationRecords<ExtendedRecord>& ext,
    bool (*readShort)(std::istream&, ShortRecord&, int, std::string&),
    bool (*readExtended)(std::istream&, ExtendedRecord&, int, std::string&),
    std::string& error) {
  std::ifstream in(fileName);
  StationRecords<ShortRecord> etaRead, avnRead;
  StationRecords<ExtendedRecord> extRead;
  for (int s = 0; s < kStationCount; ++s)
    if (!readShort(in, etaRead[s], 1 + s, error)) return false;
  for (int s = 0; s < kStationCount; ++s)
    if (!readShort(in, avnRead[s], 1 + kStationCount + s, error)) return false;
  for (int s = 0; s < kStationCount; ++s)
    if (!readExtended(in, extRead[s], 1 + 2 * kStationCount + s, error))
      return false;
  eta = etaRead;
  avn = avnRead;
  ext = extRead;
  return true;
}

#endif  // ORVANNE_BLEND_READ_SECTIONS_H_
