// Typed coefficients that already balance: the writer's choice, kept.

#include "typed_coefficients.h"

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <map>
#include <string>
#include <utility>

#include "number.h"
#include "source_text.h"

namespace quorvel::chemistry::detail {
namespace {

using Rational = boost::multiprecision::cpp_rational;

// A whole coefficient as typed ("2", "010"); nullopt for a fraction or a
// decimal, which a species counted in whole formula units never needs here.
std::optional<Integer> WholeCoefficient(const std::string& typed) {
  if (typed.empty()) return Integer(1);
  if (typed.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const std::size_t first = typed.find_first_not_of('0');  // a leading 0 would read as octal
  if (first == std::string::npos) return std::nullopt;
  return Integer(typed.substr(first));
}

// Any coefficient as typed; the reading has checked that it is one.
Rational TypedValue(const std::string& typed) {
  if (typed.empty()) return 1;
  std::size_t bad_byte = 0;
  const std::optional<SourceText> text = SourceText::Decode(typed, bad_byte);
  const Fraction fraction = ReadFraction(*text, 0);
  return Rational(fraction.numerator, fraction.denominator);
}

// Whether the coefficients, in the formula units each species' atoms were
// counted for, leave every kind of atom ({0, 0}: the charge) as it was.
bool Balances(const Equation& equation, const std::vector<Rational>& coefficients) {
  std::map<std::pair<int, int>, Rational> net;
  for (std::size_t i = 0; i < equation.species.size(); ++i) {
    const Species& species = equation.species[i];
    Rational counted = coefficients[i] / Rational(species.units);
    if (!equation.CountsAsReactant(i)) counted = -counted;
    for (const AtomCount& atoms : species.atoms) {
      net[{atoms.element, atoms.mass}] += counted * Rational(atoms.count);
    }
    net[{0, 0}] += counted * Rational(species.charge);
  }
  return std::all_of(net.begin(), net.end(), [](const auto& kind) { return kind.second == 0; });
}

// The smallest whole numbers in the same ratio.
std::vector<Integer> WholeInRatio(const std::vector<Rational>& values) {
  Integer common_denominator = 1;
  for (const Rational& value : values) {
    common_denominator = lcm(common_denominator, denominator(value));
  }
  std::vector<Integer> whole;
  Integer common = 0;
  for (const Rational& value : values) {
    whole.push_back(numerator(value) * (common_denominator / denominator(value)));
    common = gcd(common, whole.back());
  }
  if (common > 1) {
    for (Integer& coefficient : whole) coefficient /= common;
  }
  return whole;
}

}  // namespace

std::optional<std::vector<Integer>> TypedBalance(const Equation& equation) {
  // With none typed, nothing says which combination the writer meant.
  const bool any_typed = std::any_of(equation.species.begin(), equation.species.end(),
                                     [](const Species& s) { return !s.typed_coefficient.empty(); });
  if (!any_typed) return std::nullopt;
  std::vector<Rational> coefficients;
  for (const Species& species : equation.species) {
    std::optional<Integer> coefficient = WholeCoefficient(species.typed_coefficient);
    if (!coefficient || species.units != 1) return std::nullopt;
    coefficients.emplace_back(std::move(*coefficient));
  }
  if (!Balances(equation, coefficients)) return std::nullopt;
  return WholeInRatio(coefficients);
}

std::optional<std::vector<Integer>> TypedRatioBalance(const Equation& equation) {
  std::vector<Rational> coefficients;
  for (const Species& species : equation.species) {
    coefficients.push_back(TypedValue(species.typed_coefficient));
  }
  if (!Balances(equation, coefficients)) return std::nullopt;
  return WholeInRatio(coefficients);
}

}  // namespace quorvel::chemistry::detail
