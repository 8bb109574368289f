// Fractions of machine integers for the details' hot paths, exact or refused.

#include "small_fraction.h"

#include <limits>
#include <numeric>

namespace quorvel::chemistry::detail {
namespace {

__extension__ using Wide = __int128;

Wide Gcd(Wide a, Wide b) {
  if (a < 0) a = -a;
  if (b < 0) b = -b;
  // 128-bit division is a library call: most values fit 64 bits.
  constexpr Wide kNarrow = std::numeric_limits<std::uint64_t>::max();
  if (a <= kNarrow && b <= kNarrow) {
    return std::gcd(static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b));
  }
  while (b != 0) {
    const Wide rest = a % b;
    a = b;
    b = rest;
  }
  return a;
}

bool Fits(Wide value) {
  // The most negative value is left out, so that negation never overflows.
  return value <= std::numeric_limits<std::int64_t>::max() &&
         value >= -std::numeric_limits<std::int64_t>::max();
}

std::int64_t Narrow(const Integer& value) {
  constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
  if (value > kLargest || value < -kLargest) throw FractionOverflow{};
  return static_cast<std::int64_t>(value);
}

}  // namespace

SmallFraction SmallFraction::Of(const Integer& value) { return {Narrow(value)}; }

SmallFraction SmallFraction::Of(const Rational& value) {
  SmallFraction out;
  out.numerator_ = Narrow(boost::multiprecision::numerator(value));
  out.denominator_ = Narrow(boost::multiprecision::denominator(value));
  return out;
}

Rational SmallFraction::ToRational() const {
  if (denominator_ == 1) return Rational(Integer(numerator_));
  return Rational(Integer(numerator_), Integer(denominator_));
}

SmallFraction SmallFraction::Reduced(Wide numerator, Wide denominator) {
  if (denominator == 0) throw FractionOverflow{};  // never asked of exact callers
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  if (denominator != 1) {
    const Wide divisor = Gcd(numerator, denominator);
    if (divisor > 1) {
      numerator /= divisor;
      denominator /= divisor;
    }
  }
  if (!Fits(numerator) || !Fits(denominator)) throw FractionOverflow{};
  SmallFraction out;
  out.numerator_ = static_cast<std::int64_t>(numerator);
  out.denominator_ = static_cast<std::int64_t>(denominator);
  return out;
}

SmallFraction operator+(const SmallFraction& a, const SmallFraction& b) {
  using Wide = SmallFraction::Wide;
  if (a.denominator_ == 1 && b.denominator_ == 1) {
    return SmallFraction::Reduced(Wide{a.numerator_} + b.numerator_, 1);
  }
  return SmallFraction::Reduced(
      Wide{a.numerator_} * b.denominator_ + Wide{b.numerator_} * a.denominator_,
      Wide{a.denominator_} * b.denominator_);
}

SmallFraction operator-(const SmallFraction& a, const SmallFraction& b) { return a + (-b); }

SmallFraction operator*(const SmallFraction& a, const SmallFraction& b) {
  using Wide = SmallFraction::Wide;
  return SmallFraction::Reduced(Wide{a.numerator_} * b.numerator_,
                                Wide{a.denominator_} * b.denominator_);
}

SmallFraction operator/(const SmallFraction& a, const SmallFraction& b) {
  using Wide = SmallFraction::Wide;
  return SmallFraction::Reduced(Wide{a.numerator_} * b.denominator_,
                                Wide{a.denominator_} * b.numerator_);
}

SmallFraction SmallFraction::operator-() const {
  SmallFraction out = *this;
  out.numerator_ = -numerator_;
  return out;
}

bool operator<(const SmallFraction& a, const SmallFraction& b) {
  using Wide = SmallFraction::Wide;
  return Wide{a.numerator_} * b.denominator_ < Wide{b.numerator_} * a.denominator_;
}

}  // namespace quorvel::chemistry::detail
