#ifndef ORVANNE_PLOT_SVG_WRITER_H_
#define ORVANNE_PLOT_SVG_WRITER_H_

#include <string>
#include <vector>

#include "common/markup.h"

// What the picture's SVG adds to the markup writer: points of the drawing.

// A point of the drawing, in viewBox units.
struct Point {
  double x = 0, y = 0;
};

// "x,y x,y ..." with one decimal, for a polyline's or polygon's points.
std::string PointList(const std::vector<Point>& points);

#endif  // ORVANNE_PLOT_SVG_WRITER_H_
