#ifndef ORVANNE_TABLES_SEVERE_WEATHER_H_
#define ORVANNE_TABLES_SEVERE_WEATHER_H_

#include <array>
#include <istream>

// The convective and heat-flux table of a severe weather bulletin. Only the
// potential temperature, given in kelvins, is ever converted.

// The rows a severe weather run reads and writes.
inline constexpr int kSevereRows = 29;

// The values of a row, in the bulletin's order: best four-layer lifted
// index, lifted index, convective inhibition, convective available energy,
// potential temperature, the 900, 500 and 250 millibar values, latent heat
// and sensible heat.
inline constexpr int kSevereValues = 10;
inline constexpr int kPotentialTemperature = 4;  // index into `values`

// Kelvins less this are degrees Celsius, as the office has always counted.
inline constexpr double kKelvinOffset = 273.2;

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
// Fahrenheit (unit system 1) or degrees Celsius (2); any other unit system
// keeps kelvins.
void ConvertPotentialTemperatures(SevereTable& table, int unitSystem);

#endif  // ORVANNE_TABLES_SEVERE_WEATHER_H_
