#ifndef ORVANNE_PLOT_PANELS_H_
#define ORVANNE_PLOT_PANELS_H_

#include <optional>
#include <string>

#include "blend/city_forecast.h"
#include "common/units.h"
#include "products/issue_date.h"

// The meteogram's four panels, top to bottom, each with its heading,
// legend, axis and gridlines (TimeGrid of the issue date), drawn from the
// city's forecast.

// The daily highs and lows as lines with points, each labelled with its
// rounded value; the dew points as thinner dashed lines, named by their
// hours (DewPointName).
std::string TemperaturePanel(const CityForecast& forecast, UnitSystem units,
                             const std::optional<IssueDate>& issued);

// The chances of precipitation as bars from 0 to 100 %, each labelled.
std::string PrecipitationPanel(const CityForecast& forecast,
                               const std::optional<IssueDate>& issued);

// The sky cover by forecast hour as a shaded area from 0 to 1.
std::string SkyPanel(const CityForecast& forecast,
                     const std::optional<IssueDate>& issued);

// The wind speed by forecast hour as a line, and where the wind blows to as
// an arrow every 12 hours where the direction is known.
std::string WindPanel(const CityForecast& forecast, UnitSystem units,
                      const std::optional<IssueDate>& issued);

#endif  // ORVANNE_PLOT_PANELS_H_
