#include "plot/label_placement.h"

#include <algorithm>

namespace {

// The extent of 12-unit bold sans-serif text: a character's width, how far
// capitals and digits rise over the baseline and the tail below it, and the
// halo's half width around them.
constexpr double kBoldCharacterWidth = 7.4;
constexpr double kAscent = 9.5;
constexpr double kDescent = 3;
constexpr double kHalo = 1.5;

// Characters, not bytes: the degree sign is two bytes of UTF-8.
int Characters(std::string_view text) {
  int count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80;
  return count;
}

// The line's height range over [left, right] of one segment, or false when
// the segment does not reach that far.
bool SegmentSpan(Point a, Point b, double left, double right, double* low,
                 double* high) {
  const double from = std::max(left, a.x);
  const double to = std::min(right, b.x);
  if (from > to) return false;
  auto at = [&](double x) {
    return b.x == a.x ? a.y : a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
  };
  *low = std::min(at(from), at(to));
  *high = std::max(at(from), at(to));
  return true;
}

bool IsClear(const Box& box, const Obstacles& obstacles,
             const std::vector<PlacedLabel>& placed) {
  for (const Box& marker : obstacles.markers)
    if (BoxesMeet(box, marker)) return false;
  for (const DrawnLine& line : obstacles.lines)
    if (LineMeetsBox(line.points, line.halfWidth, box)) return false;
  for (const PlacedLabel& label : placed)
    if (BoxesMeet(box, label.box)) return false;
  return true;
}

bool InsidePanel(const Box& box, const Band& band) {
  return box.top >= band.top + kLabelInset &&
         box.bottom <= band.bottom - kLabelInset;
}

// The first baseline on one side, just clear of the label's own marker.
double FirstBaseline(const LabelRequest& request, bool above) {
  const double clear = request.markerRadius + 1;
  return above ? request.point.y - clear - kDescent - kHalo
               : request.point.y + clear + kAscent + kHalo;
}

// The first clear place on one side within reach, or false.
bool SearchSide(const LabelRequest& request, bool above,
                const Obstacles& obstacles,
                const std::vector<PlacedLabel>& placed, const Band& band,
                PlacedLabel* found) {
  const double first = FirstBaseline(request, above);
  for (double moved = 0; moved <= kLabelReach; moved += kLabelStep) {
    const Point baseline{request.point.x,
                         above ? first - moved : first + moved};
    const Box box = LabelBox(baseline, request.text);
    if (!InsidePanel(box, band)) continue;
    if (!IsClear(box, obstacles, placed)) continue;
    *found = {baseline, box};
    return true;
  }
  return false;
}

// No clear place: the first place on its side, moved inside the panel.
PlacedLabel Fallback(const LabelRequest& request, const Band& band) {
  const double lowest = band.bottom - kLabelInset - kDescent - kHalo;
  const double highest = band.top + kLabelInset + kAscent + kHalo;
  const double y =
      std::clamp(FirstBaseline(request, request.above), highest, lowest);
  const Point baseline{request.point.x, y};
  return {baseline, LabelBox(baseline, request.text)};
}

}  // namespace

bool BoxesMeet(const Box& a, const Box& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom &&
         b.top <= a.bottom;
}

bool LineMeetsBox(const std::vector<Point>& points, double halfWidth,
                  const Box& box) {
  for (std::size_t i = 1; i < points.size(); ++i) {
    double low = 0;
    double high = 0;
    if (!SegmentSpan(points[i - 1], points[i], box.left - halfWidth,
                     box.right + halfWidth, &low, &high))
      continue;
    if (low - halfWidth <= box.bottom && high + halfWidth >= box.top)
      return true;
  }
  return false;
}

Box LabelBox(Point baseline, std::string_view text) {
  const double half = Characters(text) * kBoldCharacterWidth / 2 + kHalo;
  return {baseline.x - half, baseline.y - kAscent - kHalo, baseline.x + half,
          baseline.y + kDescent + kHalo};
}

std::vector<PlacedLabel> PlaceLabels(const std::vector<LabelRequest>& requests,
                                     const Obstacles& obstacles,
                                     const Band& band) {
  std::vector<PlacedLabel> placed;
  for (const LabelRequest& request : requests) {
    PlacedLabel label;
    if (!SearchSide(request, request.above, obstacles, placed, band, &label) &&
        !SearchSide(request, !request.above, obstacles, placed, band, &label))
      label = Fallback(request, band);
    placed.push_back(label);
  }
  return placed;
}
