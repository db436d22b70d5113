#ifndef ORVANNE_PAGE_HTML_PARTS_H_
#define ORVANNE_PAGE_HTML_PARTS_H_

#include <string>
#include <string_view>

#include "record/forecast_record.h"

// The pieces both pages are made of. Every text is escaped; every number is
// written the same way on every machine.

// A value rounded to a whole number, halves away from zero ("-3", "41").
std::string Whole(double value);

// The temperature unit of the record's units: "°F" ("as read" is °F too).
std::string DegreeSign(UnitSystem units);

// "Wed 12/09/2026".
std::string DayName(const IssueDate& day);

// The document up to and including <main>: the language, the character
// set, the phone's viewport, the title and the style sheet, inline. The
// style lays the sections out in two columns, one under 700 px wide and in
// print.
std::string PageStart(std::string_view title);

// </main> to the end of the document.
std::string PageEnd();

// The picture of the record, by its relative address `src`.
std::string Picture(const ForecastRecord& record, std::string_view src);

// The seven days as a table: weekday and date, high, low, the dew points,
// the chances in whole percent (days 1 and 2: each 12-hour period).
std::string DayTable(const ForecastRecord& record);

// The ratio and where it came from, the units, and the biases removed.
std::string RatioParagraph(const ForecastRecord& record);

#endif  // ORVANNE_PAGE_HTML_PARTS_H_
