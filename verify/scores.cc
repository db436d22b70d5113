#include "verify/scores.h"

#include <cmath>
#include <cstdlib>

void ErrorSums::Add(int forecast, int observed) {
  const int error = forecast - observed;
  ++count;
  sum += error;
  absoluteSum += std::abs(error);
  squareSum += static_cast<long long>(error) * error;
}

void ErrorSums::AddError(long long error) {
  ++count;
  sum += error;
  absoluteSum += std::llabs(error);
  squareSum += error * error;
}

void ErrorSums::Add(const ErrorSums& other) {
  count += other.count;
  sum += other.sum;
  absoluteSum += other.absoluteSum;
  squareSum += other.squareSum;
}

void ErrorSums::Subtract(const ErrorSums& other) {
  count -= other.count;
  sum -= other.sum;
  absoluteSum -= other.absoluteSum;
  squareSum -= other.squareSum;
}

void GuidanceScores::Add(const GuidanceScores& other) {
  maximum.Add(other.maximum);
  minimum.Add(other.minimum);
}

void GuidanceScores::Subtract(const GuidanceScores& other) {
  maximum.Subtract(other.maximum);
  minimum.Subtract(other.minimum);
}

ErrorSums& GuidanceScores::Of(Element element) {
  return element == Element::kMaximum ? maximum : minimum;
}

const ErrorSums& GuidanceScores::Of(Element element) const {
  return element == Element::kMaximum ? maximum : minimum;
}

ErrorSums GuidanceScores::All() const {
  ErrorSums all = maximum;
  all.Add(minimum);
  return all;
}

long long RoundedHundredths(long long numerator, long long denominator) {
  const long long scaled = 100 * std::llabs(numerator);
  const long long rounded = (2 * scaled + denominator) / (2 * denominator);
  return numerator < 0 ? -rounded : rounded;
}

std::string FormatHundredths(long long hundredths) {
  const long long whole = std::llabs(hundredths);
  const long long cents = whole % 100;
  return std::string(hundredths < 0 ? "-" : "") + std::to_string(whole / 100) +
         (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

long long BiasHundredths(const ErrorSums& sums, long long scale) {
  return RoundedHundredths(sums.sum, sums.count * scale);
}

long long MaeHundredths(const ErrorSums& sums, long long scale) {
  return RoundedHundredths(sums.absoluteSum, sums.count * scale);
}

long long RmseHundredths(const ErrorSums& sums, long long scale) {
  return RoundedRootHundredths(sums.squareSum, sums.count * scale * scale);
}

long long RoundedRootHundredths(long long numerator, long long denominator) {
  // h rounds 100 sqrt(n / d) when m = floor(sqrt(40000 n / d)) is 2h - 1
  // or 2h: the largest m with m^2 d <= 40000 n, found from a close guess.
  __extension__ using Wide = __int128;
  const Wide target = static_cast<Wide>(40000) * numerator;
  auto fits = [&](long long m) {
    return static_cast<Wide>(m) * m * denominator <= target;
  };
  long long m = static_cast<long long>(
      std::sqrt(40000.0L * numerator / denominator));
  while (m > 0 && !fits(m)) --m;
  while (fits(m + 1)) ++m;
  return (m + 1) / 2;
}

std::string FormatBias(const ErrorSums& sums) {
  if (sums.count == 0) return "-";
  return FormatSignedHundredths(BiasHundredths(sums));
}

std::string FormatSignedHundredths(long long hundredths) {
  // Appended, not prefixed: a sign added in front of a temporary string
  // trips a false overlap warning of some compilers.
  std::string text = hundredths >= 0 ? "+" : "";
  text += FormatHundredths(hundredths);
  return text;
}

std::string FormatMae(const ErrorSums& sums, long long scale) {
  if (sums.count == 0) return "-";
  return FormatHundredths(MaeHundredths(sums, scale));
}

long long SuggestedRatioHundredths(const GuidanceScores& gfs,
                                   const GuidanceScores& nbm) {
  const ErrorSums g = gfs.All();
  const ErrorSums n = nbm.All();
  // MAE(GFS) / (MAE(NBM) + MAE(GFS)) with both means over their own counts:
  // Sg Cn / (Sn Cg + Sg Cn).
  const long long numerator = g.absoluteSum * n.count;
  const long long denominator = n.absoluteSum * g.count + numerator;
  if (denominator == 0) return 50;
  return RoundedHundredths(numerator, denominator);
}
