// Fractions of machine integers for the details' hot paths, exact or refused.

#pragma once

#include <cstdint>
#include <numeric>

#include "quorvel/chemistry/details.h"

namespace quorvel::chemistry::detail {

// Thrown when a result leaves 64 bits; the caller then works in Rational.
struct FractionOverflow {};

// A fraction in lowest terms with a positive denominator. Every operation is
// exact: it works in 128 bits and throws FractionOverflow rather than round
// or wrap, so a caller that catches it and starts over in Rational gets the
// same values, only slower. Oxidation states, atom counts and coefficients
// of textbook equations are small, and boost's rational normalises each
// result through its general division, which is most of the details' time.
class SmallFraction {
 public:
  SmallFraction(std::int64_t whole = 0) : numerator_(whole) {}  // NOLINT: a whole number

  static SmallFraction Of(const Integer& value);
  static SmallFraction Of(const Rational& value);
  Rational ToRational() const;

  std::int64_t numerator() const { return numerator_; }
  std::int64_t denominator() const { return denominator_; }

  friend SmallFraction operator+(const SmallFraction& a, const SmallFraction& b);
  friend SmallFraction operator-(const SmallFraction& a, const SmallFraction& b);
  friend SmallFraction operator*(const SmallFraction& a, const SmallFraction& b);
  friend SmallFraction operator/(const SmallFraction& a, const SmallFraction& b);
  SmallFraction operator-() const;
  SmallFraction& operator+=(const SmallFraction& b) { return *this = *this + b; }
  SmallFraction& operator-=(const SmallFraction& b) { return *this = *this - b; }

  friend bool operator==(const SmallFraction&, const SmallFraction&) = default;
  friend bool operator<(const SmallFraction& a, const SmallFraction& b);

 private:
  __extension__ using Wide = __int128;
  static SmallFraction Reduced(Wide numerator, Wide denominator);

  std::int64_t numerator_ = 0;
  std::int64_t denominator_ = 1;
};

inline bool operator>(const SmallFraction& a, const SmallFraction& b) { return b < a; }
inline bool operator<=(const SmallFraction& a, const SmallFraction& b) { return !(b < a); }
inline bool operator>=(const SmallFraction& a, const SmallFraction& b) { return !(a < b); }

// The same spelling for both number types, so that one algorithm serves both.
inline bool IsWhole(const SmallFraction& value) { return value.denominator() == 1; }
inline bool IsWhole(const Rational& value) {
  return boost::multiprecision::denominator(value) == 1;
}
inline Rational AsRational(const SmallFraction& value) { return value.ToRational(); }
inline Rational AsRational(const Rational& value) { return value; }

// boost's rational compares through operator< and > even for equality, each
// a run of divisions; both values are in lowest terms, so their parts tell.
inline bool SameValue(const Rational& a, const Rational& b) {
  return a.backend().data().numerator() == b.backend().data().numerator() &&
         a.backend().data().denominator() == b.backend().data().denominator();
}

// a < b by cross products of the parts (denominators are positive).
inline bool Below(const Rational& a, const Rational& b) {
  const auto& x = a.backend().data();
  const auto& y = b.backend().data();
  if (x.denominator() == y.denominator()) return x.numerator() < y.numerator();
  return x.numerator() * y.denominator() < y.numerator() * x.denominator();
}

}  // namespace quorvel::chemistry::detail
