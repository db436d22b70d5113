#ifndef ORVANNE_BLEND_TEMPERATURE_ROWS_H_
#define ORVANNE_BLEND_TEMPERATURE_ROWS_H_

#include <istream>
#include <string>

#include "blend/station_records.h"

// The temperature, dew point and precipitation rows of a "1200 Model"
// bulletin. The readers find rows by their labels, scanning forward: the k-th
// section read takes the k-th occurrence of its labels after the previous
// section's, which the header order checked beforehand makes the expected
// station and model.

// Reads one short-range section: "N/X" (or "X/N"), "DPT" and "P12", in that
// order. On false, `error` says which row of section `section` failed.
bool ReadShortTempSection(std::istream& in, ShortTempRecord& record,
                          int section, std::string& error);

// Reads one extended section: the bar-separated "X/N", "DPT" and "P24" rows.
bool ReadExtendedTempSection(std::istream& in, ExtendedTempRecord& record,
                             int section, std::string& error);

// Reads all twelve sections of the named bulletin from its beginning. The
// arrays are written only when every row was read; otherwise `error` holds
// the first problem in file order.
bool ReadTemperatureRows(StationRecords<ShortTempRecord>& etaTemp,
                         StationRecords<ShortTempRecord>& avnTemp,
                         StationRecords<ExtendedTempRecord>& extTemp,
                         const std::string& fileName, std::string& error);

#endif  // ORVANNE_BLEND_TEMPERATURE_ROWS_H_
