#include "common/units.h"

UnitSystem UnitSystemFromAnswer(int answer) {
  if (answer == 1) return UnitSystem::kStandard;
  if (answer == 2) return UnitSystem::kMetric;
  return UnitSystem::kAsTyped;
}

// Divisions stay divisions by the constant: multiplying by a reciprocal
// would change the last bits of the reported values.
double MillibarsToInches(double millibars) { return millibars / 33.86388158; }

double CelsiusToFahrenheit(double celsius) { return celsius * 1.8 + 32; }

double FahrenheitToCelsius(double fahrenheit) {
  return (fahrenheit - 32) / 1.8;
}

double MillimetresToInches(double millimetres) { return millimetres / 25.4; }

double InchesToMillimetres(double inches) { return inches * 25.4; }

double KnotsToMph(double knots) { return knots * 1.15077945; }

double KnotsToKph(double knots) { return knots * 1.852; }

// The severe weather bulletins' potential temperatures are reported with
// this offset, 273.2, not 273.15.
double KelvinsToCelsius(double kelvins) { return kelvins - 273.2; }

double WindSpeedInUnits(double knots, UnitSystem units) {
  switch (units) {
    case UnitSystem::kStandard:
      return KnotsToMph(knots);
    case UnitSystem::kMetric:
      return KnotsToKph(knots);
    case UnitSystem::kAsTyped:
      break;
  }
  return knots;
}
