#ifndef ORVANNE_COMMON_CONVERSIONS_H_
#define ORVANNE_COMMON_CONVERSIONS_H_

// The unit conversions the runs use between a bulletin's units and the
// report's. Each is one double expression with the constants the forecast
// office has always used; none checks its argument.

double MillibarsToInches(double millibars);      // x / 33.86388158
double CelsiusToFahrenheit(double celsius);      // x * 1.8 + 32
double FahrenheitToCelsius(double fahrenheit);   // (x - 32) / 1.8
double MillimetresToInches(double millimetres);  // x / 25.4
double InchesToMillimetres(double inches);       // x * 25.4
double KnotsToMph(double knots);                 // x * 1.15077945
double KnotsToKph(double knots);                 // x * 1.852

#endif  // ORVANNE_COMMON_CONVERSIONS_H_
