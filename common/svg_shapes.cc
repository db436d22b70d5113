#include "common/svg_shapes.h"

std::string PointList(const std::vector<Point>& points) {
  std::string list;
  for (const Point& point : points) {
    if (!list.empty()) list += ' ';
    list += Fixed(point.x, 1) + "," + Fixed(point.y, 1);
  }
  return list;
}

namespace {

void AddStroke(Attributes& attributes, std::string_view colour, double width,
               std::string_view dash) {
  attributes.push_back({"fill", "none"});
  attributes.push_back({"stroke", std::string(colour)});
  attributes.push_back({"stroke-width", Fixed(width, 1)});
  if (!dash.empty())
    attributes.push_back({"stroke-dasharray", std::string(dash)});
}

}  // namespace

std::string Line(Point from, Point to, std::string_view colour, double width,
                 std::string_view dash) {
  Attributes attributes{{"x1", Fixed(from.x, 1)},
                        {"y1", Fixed(from.y, 1)},
                        {"x2", Fixed(to.x, 1)},
                        {"y2", Fixed(to.y, 1)}};
  AddStroke(attributes, colour, width, dash);
  return EmptyElement("line", attributes);
}

std::string Polyline(const std::vector<Point>& points, std::string_view colour,
                     double width, std::string_view dash) {
  Attributes attributes{{"points", PointList(points)}};
  AddStroke(attributes, colour, width, dash);
  attributes.push_back({"stroke-linejoin", "round"});
  return EmptyElement("polyline", attributes);
}

std::string Polygon(const std::vector<Point>& points, std::string_view fill) {
  return EmptyElement(
      "polygon", {{"points", PointList(points)}, {"fill", std::string(fill)}});
}

std::string Rectangle(Point topLeft, Point bottomRight, std::string_view fill,
                      std::string_view edge) {
  Attributes attributes{{"x", Fixed(topLeft.x, 1)},
                        {"y", Fixed(topLeft.y, 1)},
                        {"width", Fixed(bottomRight.x - topLeft.x, 1)},
                        {"height", Fixed(bottomRight.y - topLeft.y, 1)},
                        {"fill", fill.empty() ? "none" : std::string(fill)}};
  if (!edge.empty()) attributes.push_back({"stroke", std::string(edge)});
  return EmptyElement("rect", attributes);
}

std::string Marker(Point at, bool square, std::string_view colour) {
  if (square) {
    return Rectangle({at.x - 3.5, at.y - 3.5}, {at.x + 3.5, at.y + 3.5}, colour,
                     "");
  }
  return EmptyElement("circle", {{"cx", Fixed(at.x, 1)},
                                 {"cy", Fixed(at.y, 1)},
                                 {"r", "4.0"},
                                 {"fill", std::string(colour)}});
}

std::string Text(Point at, std::string_view text, const TextStyle& style) {
  Attributes attributes{{"x", Fixed(at.x, 1)},
                        {"y", Fixed(at.y, 1)},
                        {"font-size", Fixed(style.size, 0)},
                        {"fill", std::string(style.colour)}};
  if (style.anchor != "start")
    attributes.push_back({"text-anchor", std::string(style.anchor)});
  if (style.bold) attributes.push_back({"font-weight", "bold"});
  if (style.halo) {
    attributes.push_back({"stroke", "#ffffff"});
    attributes.push_back({"stroke-width", "3.0"});
    attributes.push_back({"paint-order", "stroke"});
  }
  return TextElement("text", attributes, text);
}
