// Why an equation does not balance, as a reason with notes and the independent reactions.

#include "explain.h"

#include <chrono>
#include <string>

#include "atom_kind.h"
#include "quorvel/chemistry/format.h"
#include "reason_texts.h"

namespace quorvel::chemistry::detail {
namespace {

bool Holds(const Species& species, int kind) {
  for (const AtomCount& atoms : species.atoms) {
    if (AtomKind(atoms) == kind) return true;
  }
  return false;
}

// +1 or -1 when every charge on the side has that sign; 0 when the side
// carries none.
int ChargeSign(const Equation& equation, bool reactants) {
  const std::size_t first = reactants ? 0 : equation.reactant_count;
  const std::size_t last = reactants ? equation.reactant_count : equation.species.size();
  for (std::size_t i = first; i < last; ++i) {
    const Integer& charge = equation.species[i].charge;
    if (charge != 0) return charge > 0 ? 1 : -1;
  }
  return 0;
}

Reason ExplainOneSided(const Equation& equation, const std::vector<int>& rows) {
  Reason reason;
  reason.kind = ReasonKind::kOneSided;
  for (const int element : rows) {
    if (element == 0) {
      reason.reactant_charge_sign = ChargeSign(equation, true);
      reason.product_charge_sign = ChargeSign(equation, false);
      continue;
    }
    bool in_reactants = false;
    for (std::size_t i = 0; i < equation.reactant_count; ++i) {
      in_reactants = in_reactants || Holds(equation.species[i], element);
    }
    (in_reactants ? reason.items : reason.other_items).push_back(AtomName(element));
  }
  return reason;
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
    out.reason.kind = ReasonKind::kNoCoefficients;
    out.reason.charged = charged;
    return;
  }
  out.reason.kind = ReasonKind::kZeroOnly;
  out.reason.items = Names(equation, zero);
  bool rest_positive = !solution.coefficients.empty();
  for (const Integer& coefficient : solution.coefficients) {
    rest_positive = rest_positive && coefficient >= 0;
  }
  if (rest_positive) {
    out.notes.push_back(
        {zero.size() == 1 ? NoteKind::kBalancesLeavingOneOut : NoteKind::kBalancesLeavingSomeOut,
         {FormatEquation(equation, solution.coefficients)}});
  }
}

void ExplainNoPositive(const Equation& equation, const Solution& solution, Explanation& out) {
  std::vector<std::size_t> moved;
  for (std::size_t i = 0; i < solution.coefficients.size(); ++i) {
    if (solution.coefficients[i] < 0) moved.push_back(i);
  }
  out.reason.kind = ReasonKind::kNoPositive;
  out.reason.items = Names(equation, moved);
  Note note{NoteKind::kBalancesOtherSide, {FormatEquation(equation, solution.coefficients)}};
  note.args.insert(note.args.end(), out.reason.items.begin(), out.reason.items.end());
  out.notes.push_back(std::move(note));
}

void ExplainSeveral(const Equation& equation, const Solution& solution, Explanation& out) {
  const std::string count = std::to_string(solution.reaction_count);
  out.reason.kind = ReasonKind::kSeveral;
  out.reason.count = solution.reaction_count;
  for (const std::vector<Integer>& reaction : solution.reactions) {
    out.reactions.push_back(FormatEquation(equation, reaction));
  }
  if (solution.reactions.size() < solution.reaction_count) {
    out.notes.push_back(
        {NoteKind::kFirstReactionsListed, {std::to_string(solution.reactions.size()), count}});
  }
}

}  // namespace

Explanation Explain(const Equation& equation, const Solution& solution) {
  Explanation out;
  switch (solution.kind) {
    case Solution::Kind::kBalanced:
      break;
    case Solution::Kind::kOneSided:
      out.reason = ExplainOneSided(equation, solution.one_sided);
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
      out.reason.kind = ReasonKind::kTooLarge;
      out.reason.count = static_cast<std::size_t>(
          std::chrono::duration_cast<std::chrono::seconds>(kSolveTimeLimit).count());
      break;
  }
  return out;
}

}  // namespace quorvel::chemistry::detail
