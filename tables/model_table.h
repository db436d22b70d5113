#ifndef ORVANNE_TABLES_MODEL_TABLE_H_
#define ORVANNE_TABLES_MODEL_TABLE_H_

#include <array>
#include <istream>

// The hourly table of a model bulletin and what the model table run makes of
// it. The bulletin gives pressure in millibars, temperatures in degrees
// Celsius, precipitation in millimetres and wind speed in knots.

// The most rows a model table run takes (the long GFS table).
inline constexpr int kModelTableCapacity = 48;

// One forecast hour, in the order of the bulletin's columns.
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
};

using ModelTable = std::array<ModelTableRow, kModelTableCapacity>;
// One derived value per row: the adjustment, or a 2 m temperature plus or
// minus it.
using ModelTableColumn = std::array<double, kModelTableCapacity>;

// Reads one row: a delimiter character, the hour, another delimiter
// character, then the eleven numbers. False at the first item that cannot
// be read; the row then holds only what was read before it.
bool ReadModelTableRow(std::istream& in, ModelTableRow& row);

// Every function below works on the first `count` rows; rows past the end of
// the table do not exist and are left alone. Unit system 1 is Standard, 2
// Metric; any other leaves the values as read.

// The first conversion: wind speed from knots into miles per hour (Standard)
// or kilometres per hour (Metric).
void ConvertWindSpeeds(ModelTable& table, int count, int unitSystem);

// The temperature adjustment of each row, from its wind speed, humidity and
// 2 m and 850 millibar temperatures as they stand (the wind already
// converted, the temperatures still in degrees Celsius), and the 2 m
// temperature plus and minus it. Changes no row.
void ComputeAdjustments(const ModelTable& table, ModelTableColumn& adjustment,
                        ModelTableColumn& plusTemp, ModelTableColumn& minusTemp,
                        int count);

// The remaining conversions into the report's units, after the adjustments:
// Standard turns pressure into inches of mercury, the temperatures and the
// two adjusted temperatures into degrees Fahrenheit, precipitation into
// inches and scales the adjustment to Fahrenheit degrees; Metric turns
// pressure into millimetres of mercury (by way of inches) and keeps the rest.
void ConvertToReportUnits(ModelTable& table, ModelTableColumn& adjustment,
                          ModelTableColumn& plusTemp,
                          ModelTableColumn& minusTemp, int count,
                          int unitSystem);

#endif  // ORVANNE_TABLES_MODEL_TABLE_H_
