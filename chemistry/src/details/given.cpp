// --given SPECIES=AMOUNT read into a formula, an exact amount and its unit.

#include <array>

#include "decimal.h"
#include "formula_text.h"
#include "quorvel/chemistry/details.h"

namespace quorvel::chemistry {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

struct UnitName {
  std::string_view name;
  MassUnit unit;
};
constexpr std::array<UnitName, 4> kUnits = {{{"g", MassUnit::kGram},
                                             {"kg", MassUnit::kKilogram},
                                             {"mg", MassUnit::kMilligram},
                                             {"mol", MassUnit::kMole}}};

GivenParse Failed(GivenError error) { return {std::nullopt, error}; }

}  // namespace

GivenParse ParseGiven(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return Failed(GivenError::kMalformed);
  const std::string formula = detail::FormulaText(Trim(text.substr(0, equals)));
  std::string_view amount = Trim(text.substr(equals + 1));
  if (formula.empty() || amount.empty()) return Failed(GivenError::kMalformed);
  if (amount.front() == '-' || amount.front() == '+') {
    const bool negative = amount.front() == '-';
    const std::size_t digits = amount.find_first_not_of("0123456789.", 1);
    if (digits == 1) return Failed(GivenError::kMalformed);
    if (negative) return Failed(GivenError::kNotPositive);
    amount.remove_prefix(1);
  }
  const std::size_t number_end = amount.find_first_not_of("0123456789.");
  const std::string_view number = amount.substr(0, number_end);
  const std::string_view unit =
      number_end == std::string_view::npos ? std::string_view() : Trim(amount.substr(number_end));
  const std::optional<Rational> value = detail::ParseDecimal(number);
  if (!value) return Failed(GivenError::kMalformed);
  GivenAmount given{formula, *value, MassUnit::kGram, 0};
  const std::size_t point = number.find('.');
  if (point != std::string_view::npos) given.decimals = static_cast<int>(number.size() - point - 1);
  bool known_unit = false;
  for (const UnitName& name : kUnits) {
    if (name.name == unit) {
      given.unit = name.unit;
      known_unit = true;
    }
  }
  if (!known_unit) return Failed(GivenError::kUnknownUnit);
  if (*value <= 0) return Failed(GivenError::kNotPositive);
  return {given, GivenError::kNone};
}

}  // namespace quorvel::chemistry
