#ifndef ORVANNE_COMMON_SVG_SHAPES_H_
#define ORVANNE_COMMON_SVG_SHAPES_H_

#include <string>
#include <string_view>
#include <vector>

#include "common/markup.h"

// The points and the few shapes the picture and the pages' charts are
// drawn with, as SVG elements.

// A point of the drawing, in viewBox units.
struct Point {
  double x = 0, y = 0;
};

// "x,y x,y ..." with one decimal, for a polyline's or polygon's points.
std::string PointList(const std::vector<Point>& points);

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

#endif  // ORVANNE_COMMON_SVG_SHAPES_H_
