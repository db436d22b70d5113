#ifndef ORVANNE_PLOT_SCALE_H_
#define ORVANNE_PLOT_SCALE_H_

#include <vector>

// A value axis: from `low` to `high`, with a tick every `step`.
struct Scale {
  double low = 0, high = 1, step = 1;
};

// The axis for `values`: round ends and a step of 1, 2 or 5 times a power of
// ten, no smaller than `minStep`, so that about `ticks` steps hold every
// value. A range narrower than `ticks` times `minStep` (a constant series)
// is widened evenly around its middle to that width. No values make the
// axis 0 to `ticks` times `minStep`.
Scale RoundScale(const std::vector<double>& values, int ticks, double minStep);

// The ticks of `scale`, from low to high.
std::vector<double> Ticks(const Scale& scale);

// Where `value` falls between `bottom` (the scale's low end) and `top` (its
// high end), in drawing units; values outside the scale are kept to it.
double Position(const Scale& scale, double value, double bottom, double top);

#endif  // ORVANNE_PLOT_SCALE_H_
