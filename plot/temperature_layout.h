#ifndef ORVANNE_PLOT_TEMPERATURE_LAYOUT_H_
#define ORVANNE_PLOT_TEMPERATURE_LAYOUT_H_

#include <array>
#include <string>
#include <vector>

#include "blend/city_forecast.h"
#include "common/units.h"
#include "plot/label_placement.h"
#include "plot/scale.h"

// Where the temperature panel's lines and labels stand.

// The panel's four lines, in the order drawn: the evening and the morning
// dew point, then the high and the low.
enum TemperatureLine { kEveningDewLine, kMorningDewLine, kHighLine, kLowLine };

// Lines and markers: highs and lows have a marker (round and square) at
// every day, the dew points none. Each day's high and low is labelled with
// its rounded value (DegreeLabel), the high above it and the low below,
// placed by PlaceLabels in time order (day 1's low, day 1's high, ...).
struct TemperatureLayout {
  Scale scale;
  std::array<std::vector<Point>, 4> lines;  // by TemperatureLine
  Obstacles obstacles;                      // every marker and line
  std::vector<std::string> texts;           // the labels, in time order
  std::vector<PlacedLabel> labels;          // placed, in the same order
};

// The scale holds every temperature and dew point with room beyond the
// highest and lowest, an eighth of their range (at least one degree), so
// the labels at either end usually find a place on their own side.
TemperatureLayout LayOutTemperatures(const CityForecast& forecast,
                                     UnitSystem units);

// The half widths of the drawn lines and the markers' radius.
inline constexpr double kTemperatureLineWidth = 2.5;
inline constexpr double kDewLineWidth = 1.5;
inline constexpr double kMarkerRadius = 4;

#endif  // ORVANNE_PLOT_TEMPERATURE_LAYOUT_H_
