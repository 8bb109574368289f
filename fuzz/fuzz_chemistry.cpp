// The chemistry reading on arbitrary bytes. Whatever it answers is checked
// without the elimination that found it: a balanced answer must conserve
// every element and the charge when the atoms are counted side by side, be
// the smallest such answer, and read back as the same species; each listed
// independent reaction must balance too.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "quorvel/chemistry.h"
#include "quorvel/chemistry/parser.h"

namespace {

namespace chem = quorvel::chemistry;
using chem::Integer;

[[noreturn]] void Fail(const std::string& what, std::string_view input) {
  std::fprintf(stderr, "invariant broken: %s\ninput: %.*s\n", what.c_str(),
               static_cast<int>(input.size()), input.data());
  std::abort();
}

chem::Equation Parse(std::string_view text, std::string_view input) {
  chem::ParseResult parsed = chem::ParseEquation(text);
  if (!parsed.equation) {
    Fail("does not read back: " + std::string(text) + ": " + parsed.error.message, input);
  }
  return std::move(*parsed.equation);
}

// Atoms per element and mass number ({0, 0}: the charge), reactants minus
// products, each species times its coefficient: all zero when the equation
// balances. A species whose atoms count several formula units (CaSO4·½H2O)
// is brought to one by scaling every other species instead.
bool Conserves(const chem::Equation& equation, const std::vector<Integer>& coefficients) {
  Integer units = 1;
  for (const chem::Species& species : equation.species) units = lcm(units, species.units);
  std::map<std::pair<int, int>, Integer> net;
  for (std::size_t i = 0; i < equation.species.size(); ++i) {
    const chem::Species& species = equation.species[i];
    Integer coefficient = units / species.units * coefficients[i];
    if (!equation.CountsAsReactant(i)) coefficient = -coefficient;
    for (const chem::AtomCount& atoms : species.atoms)
      net[{atoms.element, atoms.mass}] += coefficient * atoms.count;
    net[{0, 0}] += coefficient * species.charge;
  }
  for (const auto& [element, sum] : net) {
    if (sum != 0) return false;
  }
  return true;
}

// The same with the whole coefficients written before each species.
bool ConservesAsWritten(const chem::Equation& equation) {
  std::vector<Integer> coefficients;
  for (const chem::Species& species : equation.species) {
    coefficients.emplace_back(species.typed_coefficient.empty() ? "1" : species.typed_coefficient);
  }
  return Conserves(equation, coefficients);
}

void CheckOneLine(const std::string& text, std::string_view input) {
  if (text.find('\n') != std::string::npos) Fail("a message spans lines: " + text, input);
}

void CheckBalanced(const chem::Answer& answer, std::string_view input) {
  const chem::Equation typed = Parse(input, input);
  if (answer.coefficients.size() != typed.species.size()) Fail("a coefficient per species", input);
  Integer divisor = 0;
  for (const std::string& digits : answer.coefficients) {
    const Integer coefficient(digits);
    if (coefficient <= 0) Fail("a coefficient that is not positive: " + digits, input);
    divisor = gcd(divisor, coefficient);
  }
  if (divisor != 1) Fail("coefficients with a common factor", input);

  const chem::Equation balanced = Parse(answer.result, input);
  if (balanced.species.size() != typed.species.size() || balanced.arrow != typed.arrow ||
      balanced.reactant_count != typed.reactant_count) {
    Fail("the result has other species: " + answer.result, input);
  }
  // A ΔH belongs to the coefficients as typed: the answer keeps them (1/2O2
  // too), and the coefficients give their ratio in whole numbers.
  const bool kept_as_typed = !typed.enthalpy.empty() && !typed.enthalpy_sign_only;
  if (balanced.enthalpy != typed.enthalpy) Fail("the ΔH is lost: " + answer.result, input);
  std::vector<Integer> coefficients;
  for (std::size_t i = 0; i < typed.species.size(); ++i) {
    const std::string& written = balanced.species[i].typed_coefficient;
    const std::string expected = kept_as_typed ? typed.species[i].typed_coefficient
                                 : answer.coefficients[i] == "1" ? std::string()
                                                                 : answer.coefficients[i];
    if (balanced.species[i].text != typed.species[i].text || written != expected) {
      Fail("species " + std::to_string(i + 1) + " reads back otherwise: " + answer.result, input);
    }
    coefficients.emplace_back(answer.coefficients[i]);
  }
  if (!Conserves(balanced, coefficients)) {
    Fail("the result does not balance: " + answer.result, input);
  }
  if (kept_as_typed && chem::Balance(answer.result).result != answer.result) {
    Fail("the typed coefficients kept do not read back as kept: " + answer.result, input);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const chem::Answer answer = chem::Balance(input);
  CheckOneLine(answer.error, input);
  for (const std::string& note : answer.notes) CheckOneLine(note, input);
  // The error is the reason's English line, and the reason has its Chinese.
  if (chem::Explain(answer.reason, chem::Language::kEnglish) != answer.error) {
    Fail("the error is not its reason's English line: " + answer.error, input);
  }
  const std::string chinese = chem::Explain(answer.reason, chem::Language::kChinese);
  CheckOneLine(chinese, input);
  if (chinese.empty() != answer.ok()) Fail("a failure without its Chinese line", input);
  // Only an answer to a text that was read has a reading and a matrix.
  const bool read = answer.ok() || answer.status == chem::Answer::Status::kUnbalanced;
  if ((answer.equation != nullptr) != read || (!read && !answer.matrix.empty())) {
    Fail("the answer's reading and matrix do not match its status", input);
  }
  if (answer.ok()) {
    if (!answer.error.empty() || !answer.reactions.empty()) Fail("an answer with an error", input);
    CheckBalanced(answer, input);
    return 0;
  }
  if (answer.error.empty() || !answer.result.empty() || !answer.coefficients.empty()) {
    Fail("a failure without its reason, or with an answer", input);
  }
  for (const std::string& reaction : answer.reactions) {
    if (!ConservesAsWritten(Parse(reaction, input)))
      Fail("a listed reaction does not balance: " + reaction, input);
  }
  return 0;
}
