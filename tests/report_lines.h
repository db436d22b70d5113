#ifndef ORVANNE_TESTS_REPORT_LINES_H_
#define ORVANNE_TESTS_REPORT_LINES_H_

// Expected lines of the table runs' reports, written as their items: each
// item is padded with blanks to its column's width, and no line end.

#include <string>
#include <vector>

// Fifteen columns: hour, pressure, four temperatures, thickness, humidity,
// precipitation, cloud cover, wind direction and speed, adjustment, plus and
// minus temperatures.
std::string ModelTableLine(const std::vector<std::string>& items);

// Eleven columns: hour and the ten convective and heat-flux values.
std::string SevereLine(const std::vector<std::string>& items);

#endif  // ORVANNE_TESTS_REPORT_LINES_H_
