#include "plot/panels.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "plot/axes.h"
#include "plot/forecast_series.h"
#include "plot/shapes.h"

namespace {

struct DaySeries {
  double DayRow::*value;
  bool high;  // at the day's afternoon, else the night before
  std::string_view colour;
  double width;
  std::string_view dash;
};

constexpr DaySeries kHighs{&DayRow::highTemp, true, kHighColour, 2.5, ""};
constexpr DaySeries kLows{&DayRow::lowTemp, false, kLowColour, 2.5, "9 4"};
constexpr DaySeries kHighDews{&DayRow::highDpt, true, kHighDewColour, 1.5,
                              "4 3"};
constexpr DaySeries kLowDews{&DayRow::lowDpt, false, kLowDewColour, 1.5,
                             "1.5 3"};

std::vector<Point> SeriesPoints(const CityForecast& forecast,
                                const DaySeries& series, const Scale& scale) {
  std::vector<Point> points;
  for (int day = 1; day <= kForecastDays; ++day) {
    const double hour = series.high ? HighHour(day) : LowHour(day);
    const double value = forecast.days[day - 1].*series.value;
    points.push_back(
        {HourX(hour), Position(scale, value, kTemperatureBand.bottom,
                               kTemperatureBand.top)});
  }
  return points;
}

// A temperature line with a marker and a value label at every day.
std::string LabelledLine(const CityForecast& forecast, const DaySeries& series,
                         const Scale& scale, UnitSystem units) {
  const std::vector<Point> points = SeriesPoints(forecast, series, scale);
  std::string drawn =
      Polyline(points, series.colour, series.width, series.dash);
  for (int day = 1; day <= kForecastDays; ++day) {
    const Point at = points[day - 1];
    drawn += Marker(at, !series.high, series.colour);
    drawn += Text({at.x, series.high ? at.y - 9 : at.y + 18},
                  DegreeLabel(forecast.days[day - 1].*series.value, units),
                  {.anchor = "middle",
                   .colour = series.colour,
                   .bold = true,
                   .halo = true});
  }
  return drawn;
}

std::string UnitSign(UnitSystem units) {
  return units == UnitSystem::kMetric ? "\u00b0C" : "\u00b0F";
}

}  // namespace

std::string TemperaturePanel(const CityForecast& forecast, UnitSystem units) {
  const Scale scale = RoundScale(TemperatureValues(forecast), 6, 1);
  const Band& band = kTemperatureBand;
  std::string panel =
      Heading(band, "Temperature and dew point, " + UnitSign(units),
              {{kHighColour, "", "High"},
               {kLowColour, "9 4", "Low"},
               {kHighDewColour, "4 3", "High dew point"},
               {kLowDewColour, "1.5 3", "Low dew point"}});
  panel += TimeGrid(band);
  panel += ValueAxis(band, scale, [](double tick) { return Fixed(tick, 0); });
  panel += Polyline(SeriesPoints(forecast, kHighDews, scale), kHighDewColour,
                    kHighDews.width, kHighDews.dash);
  panel += Polyline(SeriesPoints(forecast, kLowDews, scale), kLowDewColour,
                    kLowDews.width, kLowDews.dash);
  panel += LabelledLine(forecast, kHighs, scale, units);
  panel += LabelledLine(forecast, kLows, scale, units);
  return panel + Frame(band);
}

std::string PrecipitationPanel(const CityForecast& forecast) {
  const Scale scale{0, 100, 25};
  const Band& band = kPrecipitationBand;
  std::string panel = Heading(
      band, "Chance of precipitation, %",
      {{kBarColour, "", "12 hours (days 3 to 7: the day's chance)", true}});
  panel += TimeGrid(band);
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

std::string SkyPanel(const CityForecast& forecast) {
  const Scale scale{0, 1, 0.25};
  const Band& band = kSkyBand;
  std::string panel = Heading(band, "Sky cover, 0 (clear) to 1 (overcast)",
                              {{kSkyColour, "", "Sky cover", true}});
  panel += TimeGrid(band);
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

std::string WindPanel(const CityForecast& forecast, UnitSystem units) {
  constexpr int kTicks = 4;
  std::vector<double> speeds{0, kTicks};
  for (const SkyRow& row : forecast.sky) speeds.push_back(row.speed);
  const Scale scale = RoundScale(speeds, kTicks, 1);
  const Band lineBand{kWindBand.top + kArrowStrip, kWindBand.bottom};
  std::string panel =
      Heading(kWindBand, "Wind, " + SpeedUnit(units),
              {{kWindColour, "", "Speed, " + SpeedUnit(units)},
               {kArrowColour, "", "Direction blown toward (arrows)"}});
  panel += TimeGrid(kWindBand);
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
