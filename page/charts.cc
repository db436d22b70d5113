#include "page/charts.h"

#include <algorithm>
#include <cmath>

#include "common/console.h"
#include "common/markup.h"
#include "common/svg_shapes.h"

namespace {

constexpr double kWidth = 520, kHeight = 240;
constexpr double kLeft = 48, kRight = 508, kTop = 36, kBottom = 196;

// A value axis of round ends: a step of 1, 2, 5 or 10 times a power of
// ten giving at most 6 steps.
struct Axis {
  double low = 0, high = 1, step = 1;
  double Y(double value) const {
    return kBottom - (value - low) / (high - low) * (kBottom - kTop);
  }
};

Axis AxisOf(double low, double high) {
  if (high - low < 1) {
    low = std::floor(low) - 1;
    high = low + 3;
  }
  double step = 1;
  for (double power = 1; step * 6 < high - low; power *= 10) {
    for (double factor : {1.0, 2.0, 5.0}) {
      step = factor * power;
      if (step * 6 >= high - low) break;
    }
  }
  return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

std::string Label(double x, double y, std::string_view text,
                  std::string_view anchor = "middle") {
  return Text({x, y}, text, {.anchor = anchor, .size = 11});
}

// The document's start: its size, its title for a reader that cannot see
// it, the frame and the value axis with its gridlines and °F.
std::string ChartStart(std::string_view title, const Axis& axis,
                       std::string_view valueName) {
  std::string svg = StartTag(
      "svg", {{"xmlns", "http://www.w3.org/2000/svg"},
              {"viewBox", "0 0 " + Fixed(kWidth, 0) + " " + Fixed(kHeight, 0)},
              {"width", Fixed(kWidth, 0)},
              {"height", Fixed(kHeight, 0)},
              {"style", "font-family:sans-serif"},
              {"role", "img"},
              {"aria-label", std::string(title)}});
  svg += TextElement("title", {}, title);
  svg += Rectangle({0, 0}, {kWidth, kHeight}, "#ffffff", "");
  for (double tick = axis.low; tick <= axis.high + axis.step / 2;
       tick += axis.step) {
    const double y = axis.Y(tick);
    svg += Line({kLeft, y}, {kRight, y}, "#e0e0e0", 1);
    svg += Label(kLeft - 5, y + 4, Fixed(tick, 0), "end");
  }
  svg += Rectangle({kLeft, kTop}, {kRight, kBottom}, "", "#616161");
  svg += Label(12, kTop - 8, valueName, "start");
  return svg;
}

// A legend entry at `x` on the top line: a sample and its text.
std::string LegendEntry(double x, std::string_view text,
                        std::string_view colour, double width,
                        std::string_view dash, bool dot, bool square) {
  const double y = 14;
  std::string entry = Line({x, y}, {x + 22, y}, colour, width, dash);
  if (dot) entry += Marker({x + 11, y}, square, colour);
  return entry + Label(x + 27, y + 4, text, "start");
}

constexpr std::string_view kForecastColour = "#424242";
constexpr std::string_view kObservedColour = "#000000";

}  // namespace

std::string ForecastsChart(const std::vector<CheckedDay>& days,
                           Element element) {
  double low = 1e9, high = -1e9;
  for (const CheckedDay& day : days) {
    const CheckedElement& values = day.Of(element);
    if (values.observed) {
      low = std::min(low, *values.observed);
      high = std::max(high, *values.observed);
    }
    for (const std::optional<double>& forecast : values.byLead) {
      if (!forecast) continue;
      low = std::min(low, *forecast);
      high = std::max(high, *forecast);
    }
  }
  if (low > high) low = high = 0;
  const Axis axis = AxisOf(low, high);
  const bool maximum = element == Element::kMaximum;
  std::string svg = ChartStart(
      maximum ? "The highs of the last observed days: each morning's forecast, lead day 7 to 1, and the observed high, in degrees Fahrenheit"
              : "The lows of the last observed days: each morning's forecast, lead day 7 to 1, and the observed low, in degrees Fahrenheit",
      axis, "\u00b0F");
  svg += LegendEntry(70, maximum ? "Forecast high, lead 7 to 1" : "Forecast low, lead 7 to 1",
                     kForecastColour, 1.5, "", true, false);
  svg += LegendEntry(290, maximum ? "Observed high" : "Observed low",
                     kObservedColour, 3, "6 3", false, false);
  const double slot = (kRight - kLeft) / std::max<std::size_t>(days.size(), 1);
  for (std::size_t i = 0; i < days.size(); ++i) {
    const double left = kLeft + slot * i;
    const CheckedElement& values = days[i].Of(element);
    if (i > 0) svg += Line({left, kTop}, {left, kBottom}, "#bdbdbd", 1);
    if (values.observed) {
      const double y = axis.Y(*values.observed);
      svg += Line({left + 3, y}, {left + slot - 3, y}, kObservedColour, 3,
                  "6 3");
    }
    std::vector<Point> line;
    for (int k = kForecastDays; k >= 1; --k) {
      if (!values.byLead[k]) continue;
      line.push_back({left + 8 + (kForecastDays - k) * (slot - 16) / 6,
                      axis.Y(*values.byLead[k])});
    }
    if (line.size() > 1) svg += Polyline(line, kForecastColour, 1.5, "");
    for (const Point& p : line) svg += Marker(p, false, kForecastColour);
    const IssueDate& day = days[i].day;
    svg += Label(left + slot / 2, kBottom + 15,
                 std::to_string(day.month) + "/" + std::to_string(day.day));
  }
  svg += Label((kLeft + kRight) / 2, kBottom + 34,
               "Valid day; in each, the forecasts made 7 to 1 days before, left to right");
  return svg + EndTag("svg");
}

std::string MaeChart(const std::vector<MaeLine>& lines) {
  struct Style {
    std::string_view colour, dash;
    double width;
    bool square;
  };
  static constexpr Style kStyles[] = {
      {"#000000", "", 3, false},    {"#616161", "6 3", 1.5, true},
      {"#424242", "2 3", 1.5, false}, {"#9e9e9e", "", 2, true}};
  double high = 1;
  for (const MaeLine& line : lines)
    for (const std::optional<double>& mae : line.mae)
      if (mae) high = std::max(high, *mae);
  const Axis axis = AxisOf(0, high);
  std::string svg = ChartStart(
      "Mean absolute error by lead day, 1 to 7, of each forecast, in degrees Fahrenheit",
      axis, "MAE, \u00b0F");
  auto x = [](int k) { return kLeft + 20 + (k - 1) * (kRight - kLeft - 40) / 6; };
  double legendX = 70;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Style& style = kStyles[i % std::size(kStyles)];
    std::vector<Point> points;
    for (int k = 1; k <= kForecastDays; ++k)
      if (lines[i].mae[k]) points.push_back({x(k), axis.Y(*lines[i].mae[k])});
    if (points.size() > 1)
      svg += Polyline(points, style.colour, style.width, style.dash);
    for (const Point& p : points) svg += Marker(p, style.square, style.colour);
    svg += LegendEntry(legendX, lines[i].name, style.colour, style.width,
                       style.dash, true, style.square);
    legendX += 60 + 6.6 * lines[i].name.size();
  }
  for (int k = 1; k <= kForecastDays; ++k)
    svg += Label(x(k), kBottom + 15, std::to_string(k));
  svg += Label((kLeft + kRight) / 2, kBottom + 34, "Lead day");
  return svg + EndTag("svg");
}
