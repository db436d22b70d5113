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
// print; a wide table scrolls inside its own box, so the page fits any
// window.
std::string PageStart(std::string_view title);

// </main> to the end of the document.
std::string PageEnd();

// The picture of the record, by its relative address `src`.
std::string Picture(const ForecastRecord& record, std::string_view src);

// The line standing where a morning drew no picture.
std::string NoPicture();

// `table` in a box of its own that scrolls sideways when the table is wider
// than the page.
std::string Scrolling(const std::string& table);

// The seven days as a table (Scrolling): weekday and date, high, low, the dew points
// named by their hours (DewPointName), the chances in whole percent: days 1
// and 2 the night's and the day's 12 hours (00 to 12 and 12 to 00 UTC, named
// by their local hours), days 3 to 7 one for the 24 hours to 00 UTC after
// the day, across both columns, its hours in its cell.
std::string DayTable(const ForecastRecord& record);

// The ratio and where it came from, the units, and the biases removed (or
// that none was).
std::string RatioParagraph(const ForecastRecord& record);

#endif  // ORVANNE_PAGE_HTML_PARTS_H_
