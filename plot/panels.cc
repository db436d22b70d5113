#include "plot/panels.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "blend/day_hours.h"
#include "plot/axes.h"
#include "plot/forecast_series.h"
#include "common/svg_shapes.h"
#include "plot/temperature_layout.h"

namespace {

// How each of the temperature panel's lines is drawn, by TemperatureLine.
struct LineStyle {
  std::string_view colour;
  double width;
  std::string_view dash;
};
constexpr LineStyle kLineStyles[] = {
    {kEveningDewColour, kDewLineWidth, "4 3"},
    {kMorningDewColour, kDewLineWidth, "1.5 3"},
    {kHighColour, kTemperatureLineWidth, ""},
    {kLowColour, kTemperatureLineWidth, "9 4"},
};

// The four lines, the highs' and lows' markers, then their labels.
std::string TemperatureLines(const TemperatureLayout& layout) {
  std::string drawn;
  for (int line = kEveningDewLine; line <= kLowLine; ++line) {
    const LineStyle& style = kLineStyles[line];
    drawn +=
        Polyline(layout.lines[line], style.colour, style.width, style.dash);
    if (line != kHighLine && line != kLowLine) continue;
    for (const Point& at : layout.lines[line])
      drawn += Marker(at, line == kLowLine, style.colour);
  }
  for (std::size_t i = 0; i < layout.labels.size(); ++i) {
    // Labels alternate, low then high, in time order.
    const std::string_view colour = i % 2 ? kHighColour : kLowColour;
    drawn += Text(
        layout.labels[i].baseline, layout.texts[i],
        {.anchor = "middle", .colour = colour, .bold = true, .halo = true});
  }
  return drawn;
}

std::string UnitSign(UnitSystem units) {
  return units == UnitSystem::kMetric ? "\u00b0C" : "\u00b0F";
}

}  // namespace

std::string TemperaturePanel(const CityForecast& forecast, UnitSystem units,
                             const std::optional<IssueDate>& issued) {
  const TemperatureLayout layout = LayOutTemperatures(forecast, units);
  const Band& band = kTemperatureBand;
  std::string panel =
      Heading(band, "Temperature and dew point, " + UnitSign(units),
              {{kHighColour, "", "High"},
               {kLowColour, "9 4", "Low"},
               {kMorningDewColour, "1.5 3", DewPointName(issued, false)},
               {kEveningDewColour, "4 3", DewPointName(issued, true)}});
  panel += TimeGrid(band, issued);
  panel +=
      ValueAxis(band, layout.scale, [](double tick) { return Fixed(tick, 0); });
  panel += TemperatureLines(layout);
  return panel + Frame(band);
}

std::string PrecipitationPanel(const CityForecast& forecast,
                               const std::optional<IssueDate>& issued) {
  const Scale scale{0, 100, 25};
  const Band& band = kPrecipitationBand;
  std::string panel = Heading(
      band, "Chance of precipitation, %",
      {{kBarColour, "", "12 hours (days 3 to 7: the day's chance)", true}});
  panel += TimeGrid(band, issued);
  panel += ValueAxis(band, scale, [](double tick) { return Fixed(tick, 0); });
  for (const Bar& bar : PrecipitationBars(forecast)) {
    const double left = HourX(bar.startHour) + 4;
    const double right = HourX(bar.endHour) - 4;
    // A chance of 0 still shows, as a sliver: only a blank cell has no bar.
    const double top = std::min(
        Position(scale, bar.chance, band.bottom, band.top), band.bottom - 1.5);
    panel += Rectangle({left, top}, {right, band.bottom}, kBarColour,
                       kBarEdgeColour);
    panel += Text({(left + right) / 2, top - 4},
                  std::to_string(std::lround(bar.chance)) + "%",
                  {.anchor = "middle", .size = 11, .halo = true});
  }
  return panel + Frame(band);
}

std::string SkyPanel(const CityForecast& forecast,
                     const std::optional<IssueDate>& issued) {
  const Scale scale{0, 1, 0.25};
  const Band& band = kSkyBand;
  std::string panel = Heading(band, "Sky cover, 0 (clear) to 1 (overcast)",
                              {{kSkyColour, "", "Sky cover", true}});
  panel += TimeGrid(band, issued);
  std::vector<Point> outline;
  for (const SkyRow& row : forecast.sky) {
    outline.push_back(
        {HourX(row.hour), Position(scale, row.cloud, band.bottom, band.top)});
  }
  std::vector<Point> area = outline;
  area.push_back({outline.back().x, band.bottom});
  area.push_back({outline.front().x, band.bottom});
  panel += Polygon(area, kSkyColour);
  panel += Polyline(outline, kSkyEdgeColour, 1.5);
  panel += ValueAxis(band, scale, [](double tick) { return Fixed(tick, 2); });
  return panel + Frame(band);
}

namespace {

// An arrow centred on `at`, pointing `toward` degrees clockwise from north
// (up).
std::string Arrow(Point at, double toward) {
  std::string arrow = StartTag(
      "g", {{"transform", "translate(" + Fixed(at.x, 1) + "," + Fixed(at.y, 1) +
                              ") rotate(" + Fixed(toward, 1) + ")"}});
  arrow += Line({0, 10}, {0, -5}, kArrowColour, 2.5);
  arrow += Polygon({{0, -12}, {-5.5, -3}, {5.5, -3}}, kArrowColour);
  return arrow + EndTag("g");
}

}  // namespace

std::string WindPanel(const CityForecast& forecast, UnitSystem units,
                      const std::optional<IssueDate>& issued) {
  constexpr int kTicks = 4;
  std::vector<double> speeds{0, kTicks};
  for (const SkyRow& row : forecast.sky) speeds.push_back(row.speed);
  const Scale scale = RoundScale(speeds, kTicks, 1);
  const Band lineBand{kWindBand.top + kArrowStrip, kWindBand.bottom};
  std::string panel =
      Heading(kWindBand, "Wind, " + SpeedUnit(units),
              {{kWindColour, "", "Speed, " + SpeedUnit(units)},
               {kArrowColour, "", "Direction blown toward (arrows)"}});
  panel += TimeGrid(kWindBand, issued);
  panel +=
      ValueAxis(lineBand, scale, [](double tick) { return Fixed(tick, 0); });
  std::vector<Point> line;
  for (const SkyRow& row : forecast.sky) {
    line.push_back({HourX(row.hour),
                    Position(scale, row.speed, lineBand.bottom, lineBand.top)});
    if (row.direction && row.hour % 12 == 0) {
      panel += Arrow({HourX(row.hour), kWindBand.top + kArrowStrip / 2},
                     BlowsToward(*row.direction));
    }
  }
  panel += Polyline(line, kWindColour, 2.5);
  return panel + Frame(kWindBand);
}
