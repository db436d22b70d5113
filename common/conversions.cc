#include "common/conversions.h"

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
