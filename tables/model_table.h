#ifndef ORVANNE_TABLES_MODEL_TABLE_H_
#define ORVANNE_TABLES_MODEL_TABLE_H_

#include <array>
#include <istream>
#include <ostream>

#include "common/run_frame.h"
#include "common/units.h"

// Menu entries 2 to 5: one model's hourly table, re-tabulated in the chosen
// units with a temperature adjustment. The bulletin gives pressure in
// millibars, temperatures in degrees Celsius, precipitation in millimetres
// and wind speed in knots.

// The most rows a model table run takes (the long GFS table).
inline constexpr int kModelTableCapacity = 48;

// One forecast hour of the report: the bulletin's columns in their order,
// then the three values the run derives from them.
struct ModelTableRow {
  int hour;
  double pressure;
  double temp2m;
  double temp850;
  double temp700;
  double temp500;
  double thickness;
  double humidity;
  double precip;
  double cloudCover;
  double windDir;
  double windSpeed;
  double adjustment = 0;
  double plusTemp = 0;   // temp2m + adjustment
  double minusTemp = 0;  // temp2m - adjustment
};

// The rows a run took; only the first `count` (at most the capacity) are
// used.
struct ModelTable {
  std::array<ModelTableRow, kModelTableCapacity> rows{};
  int count = 0;
};

// The rows of `table` in use: `count`, kept within 0 and the capacity.
int RowsUsed(const ModelTable& table);

// Reads one row's twelve bulletin values: a delimiter character, the hour,
// another delimiter character, then the eleven numbers. False at the first
// item that cannot be read; the row then holds only what was read before.
bool ReadModelTableRow(std::istream& in, ModelTableRow& row);

// The first conversion: wind speed from knots into the report's unit.
void ConvertWindSpeeds(ModelTable& table, UnitSystem units);

// The temperature adjustment of each row, from its wind speed, humidity and
// 2 m and 850 millibar temperatures as they stand (the wind already
// converted, the temperatures still in degrees Celsius), and the 2 m
// temperature plus and minus it.
void ComputeAdjustments(ModelTable& table);

// The remaining conversions, after the adjustments: Standard turns pressure
// into inches of mercury, the temperatures and the two adjusted temperatures
// into degrees Fahrenheit, precipitation into inches and scales the
// adjustment to Fahrenheit degrees; Metric turns pressure into millimetres
// of mercury (by way of inches) and keeps the rest.
void ConvertToReportUnits(ModelTable& table, UnitSystem units);

// The three steps above, in order: the rows as read become the report's.
void ConvertModelTable(ModelTable& table, UnitSystem units);

// A heading line in Standard or Metric words (none for kAsTyped), then one
// line per row: fifteen left-adjusted columns.
void WriteModelTableReport(std::ostream& out, const ModelTable& table,
                           UnitSystem units);

// The run: takes `request.rows` rows (1 to the capacity; any other count is
// refused with one line, before anything is asked).
bool RunModelTable(Console& console, const RunRequest& request);

#endif  // ORVANNE_TABLES_MODEL_TABLE_H_
