#ifndef ORVANNE_PLOT_METEOGRAM_H_
#define ORVANNE_PLOT_METEOGRAM_H_

#include <optional>
#include <string>

#include "blend/city_forecast.h"
#include "common/units.h"
#include "products/issue_date.h"

// The picture of the city's forecast: one self-contained SVG document.

// What the title tells beside the forecast itself.
struct PlotFacts {
  // The bulletin's issue date; none when its date word names no date.
  std::optional<IssueDate> issued;
  std::string primaryModel;    // the model word of section 1
  std::string secondaryModel;  // the model word of section 5
  double primaryWeight = 0;
  double secondaryWeight = 0;
  UnitSystem units = UnitSystem::kStandard;
  bool biasRemoved = false;    // the guidance's recent bias was taken off
};

// The meteogram of `forecast`: title (the issue date, or that it is
// unknown, and the cycle, and "bias
// removed" when it was), temperature and dew point, chance of
// precipitation, sky cover and wind panels on one time axis of the seven
// days, with a legend in each panel. The same forecast and facts always
// give the same text.
std::string MeteogramSvg(const CityForecast& forecast, const PlotFacts& facts);

#endif  // ORVANNE_PLOT_METEOGRAM_H_
