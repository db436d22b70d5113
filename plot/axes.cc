#include "plot/axes.h"

#include "plot/forecast_series.h"
#include "products/local_time.h"
#include "common/svg_shapes.h"

namespace {

// About how wide a 12-unit character of the generic sans-serif font is.
constexpr double kCharacterWidth = 6.6;

}  // namespace

std::string TimeGrid(const Band& band, const std::optional<IssueDate>& issued) {
  std::string grid;
  for (int hour = 0; hour <= kLastHour; hour += 12) {
    const double x = HourX(hour);
    grid += Line({x, band.top}, {x, band.bottom}, kGridColour, 1);
  }
  for (double start : PictureDayStarts(issued)) {
    const double x = HourX(start);
    grid += Line({x, band.top}, {x, band.bottom}, kDayLineColour, 1);
  }
  return grid;
}

std::string ValueAxis(const Band& band, const Scale& scale,
                      const std::function<std::string(double)>& label) {
  std::string axis;
  for (double tick : Ticks(scale)) {
    const double y = Position(scale, tick, band.bottom, band.top);
    axis += Line({kPlotLeft, y}, {kPlotRight, y}, kGridColour, 1);
    axis += Line({kPlotLeft - 4, y}, {kPlotLeft, y}, kFrameColour, 1);
    axis += Text({kPlotLeft - 7, y + 4}, label(tick),
                 {.anchor = "end", .size = 11});
  }
  return axis;
}

std::string Frame(const Band& band) {
  return Rectangle({kPlotLeft, band.top}, {kPlotRight, band.bottom}, "",
                   kFrameColour);
}

std::string Heading(const Band& band, std::string_view title,
                    const std::vector<LegendEntry>& legend) {
  const double y = band.top - 9;
  std::string heading = Text({kPlotLeft, y}, title, {.size = 13, .bold = true});
  double x = kPlotLeft + title.size() * 7.4 + 28;
  for (const LegendEntry& entry : legend) {
    if (entry.swatch) {
      heading += Rectangle({x, y - 9}, {x + 22, y + 1}, entry.colour, "");
    } else {
      heading +=
          Line({x, y - 4}, {x + 22, y - 4}, entry.colour, 2.5, entry.dash);
    }
    heading += Text({x + 27, y}, entry.text, {.size = 12});
    x += 27 + entry.text.size() * kCharacterWidth + 18;
  }
  return heading;
}

namespace {

// Two digits, as the time axis writes hours.
std::string TwoDigits(int hour) {
  return {static_cast<char>('0' + hour / 10), static_cast<char>('0' + hour % 10)};
}

// The local hours of the ticks on the row at `y`, named by their zone.
std::string LocalHours(const IssueDate& issued, double y) {
  std::string row;
  std::string zones;
  std::string lastZone;
  for (int hour = 0; hour <= kLastHour; hour += 12) {
    const int sinceMidnight = 12 + hour;
    const int utc = sinceMidnight % 24;
    const int offset =
        CentralOffsetHours(AddDays(issued, sinceMidnight / 24), utc);
    const std::string zone = CentralZoneName(offset);
    if (zone != lastZone) {
      if (!zones.empty()) zones += '/';
      zones.append(zone);
    }
    lastZone = zone;
    row += Text({HourX(hour), y}, TwoDigits((utc + offset + 24) % 24),
                {.anchor = "middle", .size = 11});
  }
  return Text({kPlotLeft - 14, y}, zones, {.anchor = "end", .size = 11}) + row;
}

}  // namespace

std::string TimeAxis(const std::array<std::string, kForecastDays>& days,
                     const std::optional<IssueDate>& issued) {
  const double y = kWindBand.bottom;
  std::string axis =
      Text({kPlotLeft - 14, y + 16}, "UTC", {.anchor = "end", .size = 11});
  for (int hour = 0; hour <= kLastHour; hour += 12) {
    const double x = HourX(hour);
    axis += Line({x, y}, {x, y + 4}, kFrameColour, 1);
    axis += Text({x, y + 16}, hour % 24 == 0 ? "12" : "00",
                 {.anchor = "middle", .size = 11});
  }
  if (issued) axis += LocalHours(*issued, y + 31);
  const DayStarts starts = PictureDayStarts(issued);
  for (int day = 1; day <= kForecastDays; ++day) {
    const double middle = HourX((starts[day - 1] + starts[day]) / 2);
    axis += Text({middle, y + 51}, days[day - 1],
                 {.anchor = "middle", .size = 13, .bold = true});
  }
  return axis;
}
