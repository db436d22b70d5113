#ifndef ORVANNE_COMMON_UNITS_H_
#define ORVANNE_COMMON_UNITS_H_

// The units a report is written in, and the conversions between a
// bulletin's units and the report's.

// The forecaster's answer to the unit question. Any answer other than 1 or
// 2 is kept as kAsTyped: the table runs then write their values as read,
// with no heading, and the 1200 Model leaves an empty report.
enum class UnitSystem { kStandard, kMetric, kAsTyped };

// 1 is Standard, 2 Metric, any other integer kAsTyped.
UnitSystem UnitSystemFromAnswer(int answer);

// Each conversion is one double expression; none checks its argument.
double MillibarsToInches(double millibars);      // x / 33.86388158
double CelsiusToFahrenheit(double celsius);      // x * 1.8 + 32
double FahrenheitToCelsius(double fahrenheit);   // (x - 32) / 1.8
double MillimetresToInches(double millimetres);  // x / 25.4
double InchesToMillimetres(double inches);       // x * 25.4
double KnotsToMph(double knots);                 // x * 1.15077945
double KnotsToKph(double knots);                 // x * 1.852
double KelvinsToCelsius(double kelvins);         // x - 273.2

// A wind speed given in knots, in the report's unit: miles per hour
// (Standard), kilometres per hour (Metric), knots as read (kAsTyped).
double WindSpeedInUnits(double knots, UnitSystem units);

#endif  // ORVANNE_COMMON_UNITS_H_
