#include "quorvel/cpu/currency.h"

#include <cmath>
#include <limits>

namespace quorvel::cpu {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

// Rounds mantissa * 2^exponent to the nearest integer, an exact half to the
// even one; the caller has checked that the result fits below 2^63.
std::uint64_t ScaleRoundHalfEven(std::uint64_t mantissa, int exponent) {
  if (exponent >= 0) return mantissa << exponent;
  const int shift = -exponent;
  // mantissa < 2^63, so anything shifted out by 64 places or more is below
  // one half.
  if (shift >= 64) return 0;
  const std::uint64_t quotient = mantissa >> shift;
  const std::uint64_t remainder = mantissa & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  if (remainder > half || (remainder == half && (quotient & 1U) != 0)) return quotient + 1;
  return quotient;
}

}  // namespace

Currency Currency::FromDouble(double value) {
  if (!std::isfinite(value)) throw CurrencyOverflow();
  if (value == 0.0) return Currency(0);
  // value * 10,000 = (value * 16) * 625. Scaling by 16 is exact, and a 53-bit
  // mantissa times 625 stays below 2^63, so the product is formed without any
  // rounding and only the final rounding to a whole count remains.
  int binary_exponent = 0;
  const double fraction = std::frexp(std::fabs(value) * 16.0, &binary_exponent);
  if (binary_exponent > 64) throw CurrencyOverflow();
  constexpr int kMantissaBits = std::numeric_limits<double>::digits;
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits)) * 625U;
  const int exponent = binary_exponent - kMantissaBits;
  // A negative count reaches one further than a positive one.
  const std::uint64_t limit = value < 0 ? std::uint64_t{1} << 63 : static_cast<std::uint64_t>(kMax);
  if (exponent > 0 && mantissa > (limit >> exponent)) throw CurrencyOverflow();
  const std::uint64_t magnitude = ScaleRoundHalfEven(mantissa, exponent);
  if (magnitude > limit) throw CurrencyOverflow();
  if (value > 0) return Currency(static_cast<std::int64_t>(magnitude));
  if (magnitude == std::uint64_t{1} << 63) return Currency(kMin);
  return Currency(-static_cast<std::int64_t>(magnitude));
}

double Currency::ToDouble() const {
  return static_cast<double>(count_) / static_cast<double>(kCurrencyScale);
}

Currency Currency::Floor() const {
  const std::int64_t fraction = count_ % kCurrencyScale;
  if (fraction >= 0) return Currency(count_ - fraction);
  // A negative fraction steps down to the next whole number, which does not
  // exist below the smallest whole value in range.
  const std::int64_t truncated = count_ - fraction;
  if (truncated < kMin + kCurrencyScale) throw CurrencyOverflow();
  return Currency(truncated - kCurrencyScale);
}

std::int32_t Currency::ToInt32() const {
  std::int64_t whole = count_ / kCurrencyScale;
  const std::int64_t fraction = count_ % kCurrencyScale;
  const std::int64_t twice = 2 * (fraction < 0 ? -fraction : fraction);
  if (twice > kCurrencyScale || (twice == kCurrencyScale && whole % 2 != 0)) {
    whole += fraction < 0 ? -1 : 1;
  }
  if (whole < std::numeric_limits<std::int32_t>::min() ||
      whole > std::numeric_limits<std::int32_t>::max()) {
    throw CurrencyOverflow();
  }
  return static_cast<std::int32_t>(whole);
}

Currency operator-(Currency a, Currency b) {
  if ((b.count_ > 0 && a.count_ < kMin + b.count_) ||
      (b.count_ < 0 && a.count_ > kMax + b.count_)) {
    throw CurrencyOverflow();
  }
  return Currency(a.count_ - b.count_);
}

Currency operator*(Currency a, std::int16_t factor) {
  const std::int64_t n = factor;
  bool fits = true;
  if (n > 0) {
    fits = a.count_ >= kMin / n && a.count_ <= kMax / n;
  } else if (n == -1) {
    fits = a.count_ != kMin;
  } else if (n < 0) {
    fits = a.count_ >= kMax / n && a.count_ <= kMin / n;
  }
  if (!fits) throw CurrencyOverflow();
  return Currency(a.count_ * n);
}

}  // namespace quorvel::cpu
