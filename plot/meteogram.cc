#include "plot/meteogram.h"

#include <array>
#include <optional>

#include "blend/day_hours.h"
#include "common/console.h"
#include "common/svg_shapes.h"
#include "plot/axes.h"
#include "plot/day_labels.h"
#include "plot/forecast_series.h"
#include "plot/layout.h"
#include "plot/panels.h"
#include "products/issue_date.h"

namespace {

std::string UnitsText(UnitSystem units) {
  if (units == UnitSystem::kStandard) return "Standard units";
  if (units == UnitSystem::kMetric) return "Metric units";
  return "units as read";
}

std::string TitleText(const PlotFacts& facts) {
  std::string title =
      facts.issued ? Fill("Orvanne, 1200 Model, issued {} 1200 UTC",
                          {FormatIssueDate(*facts.issued)})
                   : "Orvanne, 1200 Model, 1200 UTC, issue date unknown";
  if (facts.biasRemoved) title += ", bias removed";
  return title;
}

std::string WeightsText(const PlotFacts& facts) {
  return Fill("Weights {} {}, {} {}; {}",
              {facts.primaryModel, Significant(facts.primaryWeight, 6),
               facts.secondaryModel, Significant(facts.secondaryWeight, 6),
               UnitsText(facts.units)});
}

// For a reader that cannot see the picture: what it shows, and the highs
// and lows it labels.
std::string Description(const CityForecast& forecast, const PlotFacts& facts,
                        const std::array<std::string, kForecastDays>& days) {
  std::string highs;
  std::string lows;
  for (int day = 1; day <= kForecastDays; ++day) {
    const DayRow& row = forecast.days[day - 1];
    const std::string separator = day > 1 ? ", " : "";
    highs += separator + days[day - 1] + " " +
             DegreeLabel(row.highTemp, facts.units);
    lows +=
        separator + days[day - 1] + " " + DegreeLabel(row.lowTemp, facts.units);
  }
  return Fill(
      "Meteogram of the seven-day forecast for Orvanne: daily high and low temperature, the dew point at two hours of each day ({} and {}), chance of precipitation by 12-hour period, sky cover and wind by forecast hour. Highs: {}. Lows: {}.",
      {DewPointName(facts.issued, false), DewPointName(facts.issued, true),
       highs, lows});
}

std::string DocumentStart(const std::string& title, const std::string& desc) {
  const std::string width = Fixed(kPictureWidth, 0);
  const std::string height = Fixed(kPictureHeight, 0);
  std::string start = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  start += StartTag("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
                            {"viewBox", "0 0 " + width + " " + height},
                            {"width", width},
                            {"height", height},
                            {"font-family", "sans-serif"},
                            {"role", "img"}});
  start += TextElement("title", {}, title);
  start += TextElement("desc", {}, desc);
  return start +
         Rectangle({0, 0}, {kPictureWidth, kPictureHeight}, "#ffffff", "");
}

}  // namespace

std::string MeteogramSvg(const CityForecast& forecast, const PlotFacts& facts) {
  const auto days = DayLabels(facts.issued);
  const std::string title = TitleText(facts);
  std::string svg = DocumentStart(title + "; " + WeightsText(facts),
                                  Description(forecast, facts, days));
  svg += Text({kPlotLeft, 32}, title, {.size = 20, .bold = true});
  svg += Text({kPlotLeft, 56}, WeightsText(facts), {.size = 14});
  svg += TemperaturePanel(forecast, facts.units, facts.issued);
  svg += PrecipitationPanel(forecast, facts.issued);
  svg += SkyPanel(forecast, facts.issued);
  svg += WindPanel(forecast, facts.units, facts.issued);
  svg += TimeAxis(days, facts.issued);
  return svg + EndTag("svg");
}
