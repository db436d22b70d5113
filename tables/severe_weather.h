#ifndef ORVANNE_TABLES_SEVERE_WEATHER_H_
#define ORVANNE_TABLES_SEVERE_WEATHER_H_

#include <array>
#include <istream>
#include <ostream>

#include "common/run_frame.h"
#include "common/units.h"

// Menu entry 6: the convective and heat-flux table of a severe weather
// bulletin. Only the potential temperature, given in kelvins, is ever
// converted.

// The rows a severe weather run reads and writes.
inline constexpr int kSevereRows = 29;

// The values of a row, in the bulletin's order: best four-layer lifted
// index, lifted index, convective inhibition, convective available energy,
// potential temperature, the 900, 500 and 250 millibar values, latent heat
// and sensible heat.
inline constexpr int kSevereValues = 10;
inline constexpr int kPotentialTemperature = 4;  // index into `values`

struct SevereRow {
  int hour;
  std::array<double, kSevereValues> values;
};

using SevereTable = std::array<SevereRow, kSevereRows>;

// Reads one row: a delimiter character, the hour, another delimiter
// character, then the ten values. False at the first item that cannot be
// read; the row then holds only what was read before it.
bool ReadSevereRow(std::istream& in, SevereRow& row);

// Turns every row's potential temperature from kelvins into degrees
// Fahrenheit (Standard) or degrees Celsius (Metric); kAsTyped keeps kelvins.
void ConvertPotentialTemperatures(SevereTable& table, UnitSystem units);

// A heading line in Standard or Metric words (none for kAsTyped), then one
// line per row with its hour and its ten values, eleven left-adjusted
// columns in all.
void WriteSevereWeatherReport(std::ostream& out, const SevereTable& table,
                              UnitSystem units);

// The run.
bool RunSevereWeather(Console& console, const RunRequest& request);

#endif  // ORVANNE_TABLES_SEVERE_WEATHER_H_
