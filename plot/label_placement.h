#ifndef ORVANNE_PLOT_LABEL_PLACEMENT_H_
#define ORVANNE_PLOT_LABEL_PLACEMENT_H_

#include <string_view>
#include <vector>

#include "plot/layout.h"
#include "common/svg_shapes.h"

// Where the value labels of a panel stand, clear of each other and of what
// is drawn. The rule:
//  - each label has its side: above its point (a high) or below it (a low);
//    it starts just clear of its own marker and moves away from it in steps
//    of kLabelStep until its box meets no marker, no line and no label
//    placed before it; labels are placed in the order given;
//  - a box may not leave the panel (kept kLabelInset inside its frame); when
//    its side has no clear place within kLabelReach, the other side is
//    tried the same way, and when neither has one it stands at its first
//    place on its side that the panel holds;
//  - a box is the text's extent as the generic sans-serif font draws it
//    bold, with its halo, so boxes that do not meet do not touch on screen.

// A rectangle of the drawing; top above bottom (smaller y).
struct Box {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// True when the two boxes overlap or touch.
bool BoxesMeet(const Box& a, const Box& b);

// True when the polyline through `points` (x increasing), drawn
// `halfWidth` either side of its centre, meets `box`.
bool LineMeetsBox(const std::vector<Point>& points, double halfWidth,
                  const Box& box);

// What a label must keep clear of: marker boxes and drawn lines.
struct DrawnLine {
  std::vector<Point> points;
  double halfWidth = 1;
};
struct Obstacles {
  std::vector<Box> markers;
  std::vector<DrawnLine> lines;
};

// One label to place: its text centred over `point`, above or below.
struct LabelRequest {
  Point point;
  std::string_view text;
  bool above = true;
  double markerRadius = 4;
};

// A placed label: the text's baseline centre and its box.
struct PlacedLabel {
  Point baseline;
  Box box;
};

inline constexpr double kLabelStep = 2;
inline constexpr double kLabelReach = 60;
inline constexpr double kLabelInset = 2;

// The box of `text` (12-unit bold characters) whose baseline is centred at
// `baseline`.
Box LabelBox(Point baseline, std::string_view text);

// Each request's place by the rule above, in the requests' order.
std::vector<PlacedLabel> PlaceLabels(const std::vector<LabelRequest>& requests,
                                     const Obstacles& obstacles,
                                     const Band& band);

#endif  // ORVANNE_PLOT_LABEL_PLACEMENT_H_
