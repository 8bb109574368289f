// Exact fractions written as decimals, rounded only for printing.

#include "decimal.h"

#include <algorithm>
#include <string>

namespace quorvel::chemistry {
namespace {

Integer PowerOfTen(int exponent) {
  Integer power = 1;
  for (int i = 0; i < exponent; ++i) power *= 10;
  return power;
}

Integer Abs(const Integer& value) { return value < 0 ? Integer(-value) : value; }

// Whether the fraction ends within `digits` decimals (its denominator
// divides 10^digits).
bool EndsWithin(const Rational& value, int digits) {
  return PowerOfTen(digits) % boost::multiprecision::denominator(value) == 0;
}

// `scaled` / 10^decimals, written out with exactly `decimals` digits after the point.
std::string WriteScaled(const Integer& scaled, int decimals) {
  std::string digits = Abs(scaled).str();
  const auto point = static_cast<std::size_t>(decimals);
  if (digits.size() <= point) digits.insert(0, point + 1 - digits.size(), '0');
  if (point > 0) digits.insert(digits.size() - point, ".");
  return (scaled < 0 ? "-" : "") + digits;
}

// The number of digits before the point of |value| >= 1, or the negative
// count of zeros right after the point for |value| < 1 (0.0032: -2).
int Magnitude(const Rational& value) {
  const Rational size = value < 0 ? Rational(-value) : value;
  int magnitude = 0;
  Rational step = size;
  if (step >= 1) {
    while (step >= 1) {
      step /= 10;
      ++magnitude;
    }
  } else {
    while (step < Rational(1, 10)) {
      step *= 10;
      --magnitude;
    }
  }
  return magnitude;
}

}  // namespace

namespace detail {

std::optional<Rational> ParseDecimal(std::string_view text) {
  Integer whole = 0;
  int decimals = 0;
  bool point = false;
  bool digits = false;
  for (const char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      whole = whole * 10 + (c - '0');
      if (point) ++decimals;
      digits = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  return Rational(whole, PowerOfTen(decimals));
}

Rational RoundToDecimals(const Rational& value, int decimals) {
  const Integer scale = PowerOfTen(decimals);
  const Rational scaled = value * scale;
  const Integer numerator = boost::multiprecision::numerator(scaled);
  const Integer denominator = boost::multiprecision::denominator(scaled);
  // Half away from zero: (2|n| + d) / 2d, truncated.
  Integer rounded = (2 * Abs(numerator) + denominator) / (2 * denominator);
  if (numerator < 0) rounded = -rounded;
  return Rational(rounded, scale);
}

}  // namespace detail

std::string FormatDecimal(const Rational& value, int decimals, bool exact_when_shorter) {
  int shown = decimals;
  if (shown < 0) shown = value == 0 ? 0 : std::max(0, 4 - Magnitude(value));
  if (exact_when_shorter && EndsWithin(value, shown)) {
    shown = 0;
    while (!EndsWithin(value, shown)) ++shown;
  }
  const Rational rounded = detail::RoundToDecimals(value, shown);
  const Rational scaled = rounded * PowerOfTen(shown);
  return WriteScaled(boost::multiprecision::numerator(scaled), shown);
}

std::string FormatState(const Rational& state) {
  const Integer numerator = boost::multiprecision::numerator(state);
  const Integer denominator = boost::multiprecision::denominator(state);
  std::string text = numerator > 0 ? "+" + numerator.str() : numerator.str();
  if (denominator != 1) text += "/" + denominator.str();
  return text;
}

}  // namespace quorvel::chemistry
