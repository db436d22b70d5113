#ifndef ORVANNE_VERIFY_SCORES_H_
#define ORVANNE_VERIFY_SCORES_H_

#include <optional>
#include <string>

// The errors of one guidance's forecasts against what was observed, kept as
// whole-number sums so every mean is rounded once, exactly.

struct ErrorSums {
  long long count = 0;        // forecast values compared
  long long sum = 0;          // of forecast - observed, °F
  long long absoluteSum = 0;  // of |forecast - observed|
  long long squareSum = 0;    // of (forecast - observed)^2

  void Add(int forecast, int observed);
  void AddError(long long error);  // forecast - observed
  void Add(const ErrorSums& other);
  // Takes back sums added before, for a window that moves on.
  void Subtract(const ErrorSums& other);
};

// The two temperatures scored, in the order the tables show them.
enum class Element { kMaximum, kMinimum };
inline constexpr Element kElements[] = {Element::kMaximum, Element::kMinimum};

// The value of one element of a forecast or an observation.
template <typename Values>
std::optional<int> ElementOf(const Values& values, Element element) {
  return element == Element::kMaximum ? values.maximum : values.minimum;
}

// The index of an element in per-element arrays: max 0, min 1.
inline constexpr int ElementIndex(Element element) {
  return element == Element::kMaximum ? 0 : 1;
}

struct GuidanceScores {
  ErrorSums maximum;
  ErrorSums minimum;

  // Both together: the guidance's mean absolute error over all its values.
  ErrorSums All() const;

  void Add(const GuidanceScores& other);
  void Subtract(const GuidanceScores& other);

  // The sums of one element.
  ErrorSums& Of(Element element);
  const ErrorSums& Of(Element element) const;
};

// numerator / denominator in hundredths, halves away from zero;
// `denominator` above 0.
long long RoundedHundredths(long long numerator, long long denominator);

// The mean error and the mean absolute error in hundredths, the sums being
// of errors in 1/`scale` degrees; `sums.count` above 0.
long long BiasHundredths(const ErrorSums& sums, long long scale = 1);
long long MaeHundredths(const ErrorSums& sums, long long scale = 1);
// The root mean square error in hundredths, rounded once from the exact
// root; `sums.count` above 0.
long long RmseHundredths(const ErrorSums& sums, long long scale = 1);

// 100 x the square root of numerator / denominator, halves away from
// zero, exactly: both at least 0, `denominator` above 0.
long long RoundedRootHundredths(long long numerator, long long denominator);

// The mean error ("+2.00", "-0.03", "+0.00") and the mean absolute error
// ("2.00") with two decimals; "-" when nothing was compared.
std::string FormatBias(const ErrorSums& sums);
std::string FormatMae(const ErrorSums& sums, long long scale = 1);

// The weight of the primary guidance (NBM) in hundredths:
// MAE(GFS) / (MAE(NBM) + MAE(GFS)), 50 when both are 0, so that the guidance
// with the smaller error gets the larger weight. Both must have compared
// values.
long long SuggestedRatioHundredths(const GuidanceScores& gfs,
                                   const GuidanceScores& nbm);

// Hundredths as a decimal number with two decimals: 67 gives "0.67".
std::string FormatHundredths(long long hundredths);

// The same with its sign: "+1.25", "-0.40", "+0.00".
std::string FormatSignedHundredths(long long hundredths);

#endif  // ORVANNE_VERIFY_SCORES_H_
