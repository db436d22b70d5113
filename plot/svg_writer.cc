#include "plot/svg_writer.h"

std::string PointList(const std::vector<Point>& points) {
  std::string list;
  for (const Point& point : points) {
    if (!list.empty()) list += ' ';
    list += Fixed(point.x, 1) + "," + Fixed(point.y, 1);
  }
  return list;
}
