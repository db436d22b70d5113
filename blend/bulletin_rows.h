#ifndef ORVANNE_BLEND_BULLETIN_ROWS_H_
#define ORVANNE_BLEND_BULLETIN_ROWS_H_

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "blend/station_records.h"

// The rows of a "1200 Model" bulletin. The readers find rows by their
// labels, scanning forward: the k-th section read takes the k-th occurrence
// of its labels after the previous section's, which the header order checked
// beforehand makes the expected station and model. Each reader passes once
// through the named bulletin from its beginning: eight short-range sections
// (the Primary stations, then the Secondary), then four Extended ones. The
// caller's arrays are written only when all twelve were read; otherwise `err`
// holds the first problem in file order, naming the row and the section
// (`section` is 1 to 12): 'row "P12" of section 5 (KBKX) is missing or
// incomplete'. The readers of a named bulletin, which the run calls, word it
// as the run's one line: 'The bulletin could not be read: row ... .'.

// Temperature, dew point and precipitation rows.
// One short-range section: "N/X" (or "X/N"), "DPT" and "P12", in that order.
bool ReadShortTempSection(std::istream& in, ShortTempRecord& record,
                          int section, std::string* err);
// One extended section: the bar-separated "X/N", "DPT" and "P24" rows.
bool ReadExtendedTempSection(std::istream& in, ExtendedTempRecord& record,
                             int section, std::string* err);
bool ReadTemperatureRows(StationRecords<ShortTempRecord>& primaryTemp,
                         StationRecords<ShortTempRecord>& secondaryTemp,
                         StationRecords<ExtendedTempRecord>& extendedTemp,
                         const std::string& bulletinName, std::string* err);
// The same from a bulletin already open, from where it stands.
bool ReadTemperatureRows(StationRecords<ShortTempRecord>& primaryTemp,
                         StationRecords<ShortTempRecord>& secondaryTemp,
                         StationRecords<ExtendedTempRecord>& extendedTemp,
                         std::istream& bulletin, std::string* err);

// Cloud and wind rows.
// The cloud code (tenths of sky covered) of a cloud word, in each layout.
// False for a word the layout does not use.
bool ShortCloudCode(std::string_view word, std::int32_t& code);
bool ExtendedCloudCode(std::string_view word, std::int32_t& code);
// One short-range section: "CLD", "WDR" and "WSP", 19 entries each.
bool ReadShortSkySection(std::istream& in, ShortSkyRecord& record, int section,
                         std::string* err);
// One extended section: columns 5 to 15 of "CLD" and "WND".
bool ReadExtendedSkySection(std::istream& in, ExtendedSkyRecord& record,
                            int section, std::string* err);
bool ReadSkyRows(StationRecords<ShortSkyRecord>& primarySky,
                 StationRecords<ShortSkyRecord>& secondarySky,
                 StationRecords<ExtendedSkyRecord>& extendedSky,
                 const std::string& bulletinName, std::string* err);
bool ReadSkyRows(StationRecords<ShortSkyRecord>& primarySky,
                 StationRecords<ShortSkyRecord>& secondarySky,
                 StationRecords<ExtendedSkyRecord>& extendedSky,
                 std::istream& bulletin, std::string* err);
bool ReadSkyRows(StationRecords<ShortSkyRecord>& primarySky,
                 StationRecords<ShortSkyRecord>& secondarySky,
                 StationRecords<ExtendedSkyRecord>& extendedSky,
                 std::istream& bulletin, std::string* err);

#endif  // ORVANNE_BLEND_BULLETIN_ROWS_H_
