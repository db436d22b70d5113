#ifndef ORVANNE_BLEND_SKY_ROWS_H_
#define ORVANNE_BLEND_SKY_ROWS_H_

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "blend/station_records.h"

// The cloud and wind rows of a "1200 Model" bulletin, found by their labels
// in the same forward-scanning way as the temperature rows.

// The cloud code (tenths of sky covered) of a cloud word, in each layout.
// False for a word the layout does not use.
bool ShortCloudCode(std::string_view word, std::int32_t& code);
bool ExtendedCloudCode(std::string_view word, std::int32_t& code);

// Reads one short-range section: "CLD", "WDR" and "WSP", 19 entries each.
bool ReadShortSkySection(std::istream& in, ShortSkyRecord& record, int section,
                         std::string& error);

// Reads one extended section: columns 5 to 15 of "CLD" and "WND".
bool ReadExtendedSkySection(std::istream& in, ExtendedSkyRecord& record,
                            int section, std::string& error);

// Reads all twelve sections of the named bulletin from its beginning; the
// arrays are written only when every row was read.
bool ReadSkyRows(StationRecords<ShortSkyRecord>& etaSky,
                 StationRecords<ShortSkyRecord>& avnSky,
                 StationRecords<ExtendedSkyRecord>& extSky,
                 const std::string& fileName, std::string& error);

#endif  // ORVANNE_BLEND_SKY_ROWS_H_
