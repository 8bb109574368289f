#pragma once

#include <compare>
#include <cstdint>
#include <stdexcept>

namespace quorvel::cpu {

// Thrown when a Currency operation would leave the representable range.
class CurrencyOverflow : public std::overflow_error {
 public:
  CurrencyOverflow() : std::overflow_error("currency value out of range") {}
};

// A fixed-point number: a signed 64-bit count of ten-thousandths, so four
// exact decimal places. The usage arithmetic rounds through it on purpose;
// its roundings are part of every reading.
class Currency {
 public:
  constexpr Currency() = default;

  static constexpr Currency FromCount(std::int64_t count) { return Currency(count); }

  // The value times 10,000, rounded exactly (no intermediate double
  // rounding) to the nearest count, an exact half to the even neighbour.
  // Throws CurrencyOverflow for NaN, infinities and values out of range.
  static Currency FromDouble(double value);

  constexpr std::int64_t Count() const { return count_; }

  double ToDouble() const;

  // The largest whole number not above the value.
  Currency Floor() const;

  // Exact for a whole value; a fraction is rounded to the nearest whole
  // number, an exact half to the even one. Throws CurrencyOverflow outside
  // the 32-bit signed range.
  std::int32_t ToInt32() const;

  friend Currency operator-(Currency a, Currency b);
  friend Currency operator*(Currency a, std::int16_t factor);

  friend constexpr auto operator<=>(Currency, Currency) = default;

 private:
  constexpr explicit Currency(std::int64_t count) : count_(count) {}

  std::int64_t count_ = 0;
};

inline constexpr std::int64_t kCurrencyScale = 10'000;

}  // namespace quorvel::cpu
