#include "explain.h"

#include <string>

#include "atom_kind.h"
#include "quorvel/chemistry/format.h"

namespace quorvel::chemistry::detail {
namespace {

std::string Join(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

bool Holds(const Species& species, int kind) {
  for (const AtomCount& atoms : species.atoms) {
    if (AtomKind(atoms) == kind) return true;
  }
  return false;
}

// "positive" or "negative" when every charge on the side has that sign;
// empty when the side carries none.
std::string ChargeSign(const Equation& equation, bool reactants) {
  const std::size_t first = reactants ? 0 : equation.reactant_count;
  const std::size_t last = reactants ? equation.reactant_count : equation.species.size();
  for (std::size_t i = first; i < last; ++i) {
    const Integer& charge = equation.species[i].charge;
    if (charge != 0) return charge > 0 ? "positive" : "negative";
  }
  return "";
}

std::string ExplainCharge(const Equation& equation) {
  const std::string left = ChargeSign(equation, true);
  const std::string right = ChargeSign(equation, false);
  if (right.empty()) return left + " charge appears only among the reactants";
  if (left.empty()) return right + " charge appears only among the products";
  return "the reactants carry only " + left + " charge and the products only " + right + " charge";
}

std::string ExplainOneSided(const Equation& equation, const std::vector<int>& rows) {
  std::vector<std::string> reactant_only;
  std::vector<std::string> product_only;
  std::string charge;
  for (const int element : rows) {
    if (element == 0) {
      charge = ExplainCharge(equation);
      continue;
    }
    bool in_reactants = false;
    for (std::size_t i = 0; i < equation.reactant_count; ++i) {
      in_reactants = in_reactants || Holds(equation.species[i], element);
    }
    (in_reactants ? reactant_only : product_only).push_back(AtomName(element));
  }
  std::vector<std::string> parts;
  auto say = [&parts](const std::vector<std::string>& names, const char* side) {
    if (names.empty()) return;
    parts.push_back(Join(names) + (names.size() == 1 ? " appears" : " appear") +
                    " only among the " + side);
  };
  say(reactant_only, "reactants");
  say(product_only, "products");
  if (!charge.empty()) parts.push_back(charge);
  std::string line;
  for (const std::string& part : parts) line += (line.empty() ? "" : "; ") + part;
  return line;
}

std::vector<std::string> Names(const Equation& equation, const std::vector<std::size_t>& indices) {
  std::vector<std::string> names;
  for (const std::size_t i : indices) names.push_back(equation.species[i].text);
  return names;
}

void ExplainZeroOnly(const Equation& equation, const Solution& solution, Explanation& out) {
  const std::vector<std::size_t>& zero = solution.zero_species;
  if (zero.size() == equation.species.size()) {
    bool charged = false;
    for (const Species& species : equation.species) charged = charged || species.charge != 0;
    out.error = std::string("no coefficients balance it: every choice leaves an element") +
                (charged ? " or the charge" : "") + " unbalanced";
    return;
  }
  out.error = "it balances only if " + Join(Names(equation, zero)) +
              (zero.size() == 1 ? " gets" : " get") + " the coefficient 0";
  bool rest_positive = !solution.coefficients.empty();
  for (const Integer& coefficient : solution.coefficients) {
    rest_positive = rest_positive && coefficient >= 0;
  }
  if (rest_positive) {
    out.notes.push_back(std::string(zero.size() == 1 ? "leaving it out" : "leaving them out") +
                        ", it balances as " + FormatEquation(equation, solution.coefficients));
  }
}

void ExplainNoPositive(const Equation& equation, const Solution& solution, Explanation& out) {
  std::vector<std::size_t> moved;
  for (std::size_t i = 0; i < solution.coefficients.size(); ++i) {
    if (solution.coefficients[i] < 0) moved.push_back(i);
  }
  out.error = "no positive coefficients balance it: it balances only with " +
              Join(Names(equation, moved)) + " on the other side";
  out.notes.push_back("with " + Join(Names(equation, moved)) +
                      " on the other side it balances as " +
                      FormatEquation(equation, solution.coefficients));
}

void ExplainSeveral(const Equation& equation, const Solution& solution, Explanation& out) {
  const std::string count = std::to_string(solution.reaction_count);
  out.error = "it balances in more than one way: it combines " + count + " independent reactions";
  for (const std::vector<Integer>& reaction : solution.reactions) {
    out.reactions.push_back(FormatEquation(equation, reaction));
  }
  if (solution.reactions.size() < solution.reaction_count) {
    out.notes.push_back("the first " + std::to_string(solution.reactions.size()) + " of the " +
                        count + " independent reactions are listed");
  }
}

}  // namespace

Explanation Explain(const Equation& equation, const Solution& solution) {
  Explanation out;
  switch (solution.kind) {
    case Solution::Kind::kBalanced:
      break;
    case Solution::Kind::kOneSided:
      out.error = ExplainOneSided(equation, solution.one_sided);
      break;
    case Solution::Kind::kZeroOnly:
      ExplainZeroOnly(equation, solution, out);
      break;
    case Solution::Kind::kNoPositive:
      ExplainNoPositive(equation, solution, out);
      break;
    case Solution::Kind::kSeveral:
      ExplainSeveral(equation, solution, out);
      break;
    case Solution::Kind::kTooLarge:
      out.error = "too large to balance: the exact arithmetic would pass the work limit";
      break;
  }
  return out;
}

}  // namespace quorvel::chemistry::detail
