#ifndef ORVANNE_BLEND_BLEND_REPORT_H_
#define ORVANNE_BLEND_BLEND_REPORT_H_

#include <ostream>

#include "blend/station_records.h"

// Everything the forecast is computed from: the six record arrays the
// readers filled and the two model ratios the forecaster chose.
struct BlendInputs {
  StationRecords<ShortTempRecord> etaTemp;
  StationRecords<ShortTempRecord> avnTemp;
  StationRecords<ExtendedTempRecord> extTemp;
  StationRecords<ShortSkyRecord> etaSky;
  StationRecords<ShortSkyRecord> avnSky;
  StationRecords<ExtendedSkyRecord> extSky;
  double etaRatio = 0;
  double avnRatio = 0;
};

// The seven-day table (temperatures, dew points, precipitation chances) as
// the console shows it, in Standard (1) or Metric (2) units. Writes nothing
// for any other unit system.
void PrintDayTable(std::ostream& console, const BlendInputs& inputs,
                   int unitSystem);

// The whole report: title, the day table, and the cloud cover and wind
// table by forecast hour. Leaves `file` switched to fixed notation with two
// decimals. Writes nothing for a unit system other than 1 or 2.
void WriteBlendReport(std::ostream& file, const BlendInputs& inputs,
                      int unitSystem);

#endif  // ORVANNE_BLEND_BLEND_REPORT_H_
