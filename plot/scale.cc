#include "plot/scale.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest of 1, 2, 5 and 10 times a power of ten that is at least
// `rough`.
double RoundStep(double rough) {
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double factor : {1.0, 2.0, 5.0}) {
    // A little room, so 2.0000000001 still takes 2.
    if (rough <= factor * power * (1 + 1e-9)) return factor * power;
  }
  return 10 * power;
}

}  // namespace

Scale RoundScale(const std::vector<double>& values, int ticks, double minStep) {
  double low = 0;
  double high = 0;
  if (!values.empty()) {
    const auto [min, max] = std::minmax_element(values.begin(), values.end());
    low = *min;
    high = *max;
  }
  const double narrowest = ticks * minStep;
  if (high - low < narrowest) {
    const double middle = (low + high) / 2;
    low = values.empty() ? 0 : middle - narrowest / 2;
    high = low + narrowest;
  }
  const double step = std::max(minStep, RoundStep((high - low) / ticks));
  return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

std::vector<double> Ticks(const Scale& scale) {
  std::vector<double> ticks;
  const int count =
      static_cast<int>(std::lround((scale.high - scale.low) / scale.step));
  for (int i = 0; i <= count; ++i) ticks.push_back(scale.low + i * scale.step);
  return ticks;
}

double Position(const Scale& scale, double value, double bottom, double top) {
  const double kept = std::clamp(value, scale.low, scale.high);
  return bottom +
         (kept - scale.low) / (scale.high - scale.low) * (top - bottom);
}
