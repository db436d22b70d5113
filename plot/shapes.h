#ifndef ORVANNE_PLOT_SHAPES_H_
#define ORVANNE_PLOT_SHAPES_H_

#include <string>
#include <string_view>
#include <vector>

#include "plot/svg_writer.h"

// The few shapes the meteogram is drawn with, as SVG elements.

// A straight line; `dash` is an SVG dash pattern, empty for a solid line.
std::string Line(Point from, Point to, std::string_view colour, double width,
                 std::string_view dash = "");

// An open line through `points`.
std::string Polyline(const std::vector<Point>& points, std::string_view colour,
                     double width, std::string_view dash = "");

// A filled shape bounded by `points`, without an edge.
std::string Polygon(const std::vector<Point>& points, std::string_view fill);

// A rectangle between two corners; an empty `fill` leaves it unfilled.
std::string Rectangle(Point topLeft, Point bottomRight, std::string_view fill,
                      std::string_view edge);

// A round or square point mark.
std::string Marker(Point at, bool square, std::string_view colour);

// Text whose baseline starts (anchor "start"), centres ("middle") or ends
// ("end") at `at`. A halo of the background keeps it readable over lines.
struct TextStyle {
  std::string_view anchor = "start";
  double size = 12;
  std::string_view colour = "#212121";
  bool bold = false;
  bool halo = false;
};
std::string Text(Point at, std::string_view text, const TextStyle& style);

#endif  // ORVANNE_PLOT_SHAPES_H_
