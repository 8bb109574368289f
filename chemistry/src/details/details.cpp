// Describe: one balanced answer's details, from its reading and coefficients.

#include "quorvel/chemistry/details.h"

#include <algorithm>

#include "amounts.h"
#include "atom_kind.h"
#include "atomic_weights.h"
#include "bridges.h"
#include "formula_text.h"
#include "oxidation_states.h"
#include "quorvel/chemistry.h"
#include "quorvel/chemistry/periodic_table.h"
#include "reaction_type.h"
#include "remembered.h"
#include "small_fraction.h"

namespace quorvel::chemistry {
namespace {

using detail::AtomWeight;

void NoteOnce(std::vector<DetailNote>& notes, DetailNote note) {
  const bool known = std::any_of(notes.begin(), notes.end(), [&](const DetailNote& other) {
    return other.kind == note.kind && other.symbol == note.symbol &&
           (note.kind != DetailNoteKind::kUndecidedState || other.species == note.species);
  });
  if (!known) notes.push_back(std::move(note));
}

// One formula unit's mass by the table `weight`.
Rational WeightSum(const Species& species, AtomWeight (*weight)(int, int)) {
  // Textbook formulas fit machine integers, where the sum and its reduction
  // are exact and far cheaper than boost's normalisation.
  bool small = true;
  detail::SmallFraction sum = 0;
  for (const AtomCount& atoms : species.atoms) {
    const AtomWeight atom = weight(atoms.element, atoms.mass);
    try {
      if (small)
        sum += detail::SmallFraction::Of(atom.scaled) * detail::SmallFraction::Of(atoms.count);
    } catch (const detail::FractionOverflow&) {
      small = false;
    }
  }
  const Integer scale = detail::kWeightScale * species.units;
  try {
    if (small) return (sum / detail::SmallFraction::Of(scale)).ToRational();
  } catch (const detail::FractionOverflow&) {
  }
  Integer total = 0;
  for (const AtomCount& atoms : species.atoms) {
    total += weight(atoms.element, atoms.mass).scaled * atoms.count;
  }
  return Rational(total, scale);
}

// The mass of a species, noting each atom the table has no value of its own
// for. A batch meets the same species again and again: each sum is worked
// out once per table.
Rational MassOf(const Species& species, const std::string& key, AtomWeight (*weight)(int, int),
                DetailNoteKind kind, std::size_t index, std::vector<DetailNote>& notes) {
  for (const AtomCount& atoms : species.atoms) {
    if (weight(atoms.element, atoms.mass).approximate) {
      NoteOnce(notes, {kind, detail::AtomName(detail::AtomKind(atoms)), index});
    }
  }
  static detail::Remembered<Rational> exam(1 << 14);
  static detail::Remembered<Rational> molar(1 << 14);
  detail::Remembered<Rational>& remembered = weight == detail::ExamAtomicMass ? exam : molar;
  return remembered.Get(key, [&] { return WeightSum(species, weight); });
}

// Each kind of atom as the species has it, with its element's states.
std::vector<ElementStates> StatesByAtom(const Species& species,
                                        const detail::SpeciesStates& states) {
  std::vector<ElementStates> out;
  for (const AtomCount& atoms : species.atoms) {
    ElementStates entry{detail::AtomName(detail::AtomKind(atoms)), {}};
    for (const auto& [element, groups] : states.elements) {
      if (element != atoms.element) continue;
      for (const detail::AtomState& group : groups) entry.states.push_back(group.state);
    }
    out.push_back(std::move(entry));
  }
  return out;
}

SpeciesDetails DescribeSpecies(const Equation& equation, const std::vector<Integer>& coefficients,
                               std::size_t i, const detail::SpeciesStates& states,
                               std::vector<DetailNote>& notes) {
  const Species& species = equation.species[i];
  SpeciesDetails out;
  out.formula = detail::FormulaText(species.text);
  out.coefficient = coefficients[i];
  out.product = i >= equation.reactant_count;
  const std::string key = detail::AtomsKey(species) + '/' +
                          (species.units == 1 ? std::string("1") : species.units.str());
  out.relative_mass =
      MassOf(species, key, detail::ExamAtomicMass, DetailNoteKind::kOutsideExamTable, i, notes);
  out.molar_mass =
      MassOf(species, key, detail::MolarAtomicMass, DetailNoteKind::kIsotopeMassNumber, i, notes);
  if (states.decided) {
    out.oxidation_states = StatesByAtom(species, states);
  } else {
    notes.push_back(
        {DetailNoteKind::kUndecidedState, std::string(ElementSymbol(states.undecided_element)), i});
  }
  out.name = detail::SpeciesName(species);
  return out;
}

DetailsResult GivenFailure(GivenError error, const std::string& formula) {
  return {std::nullopt, error, formula};
}

// Checks the given amounts against the species and turns them into moles.
DetailsResult AddAmounts(Details details, const std::vector<GivenAmount>& given) {
  std::vector<detail::GivenIndex> indices;
  bool all_decimals = true;
  int decimals = -1;
  for (const GivenAmount& amount : given) {
    const auto found = std::find_if(
        details.species.begin(), details.species.end(),
        [&](const SpeciesDetails& species) { return species.formula == amount.formula; });
    if (found == details.species.end())
      return GivenFailure(GivenError::kUnknownSpecies, amount.formula);
    const auto index = static_cast<std::size_t>(found - details.species.begin());
    const bool twice =
        std::any_of(indices.begin(), indices.end(),
                    [&](const detail::GivenIndex& other) { return other.species == index; });
    if (twice) return GivenFailure(GivenError::kTwice, amount.formula);
    if (found->product && given.size() > 1) {
      return GivenFailure(GivenError::kProductAmongOthers, amount.formula);
    }
    indices.push_back({index, detail::MolesOf(amount, found->relative_mass)});
    if (amount.decimals == 0 || (decimals >= 0 && decimals != amount.decimals))
      all_decimals = false;
    decimals = amount.decimals;
  }
  details.amounts = detail::ReactingAmounts(details.species, indices, all_decimals ? decimals : -1);
  return {std::move(details), GivenError::kNone, {}};
}

}  // namespace

DetailsResult Describe(const Equation& equation, const std::vector<Integer>& coefficients,
                       const std::vector<GivenAmount>& given) {
  if (coefficients.size() != equation.species.size()) return {};
  Details details;
  std::vector<detail::SpeciesStates> states;
  bool decided = true;
  for (std::size_t i = 0; i < equation.species.size(); ++i) {
    states.push_back(detail::OxidationStates(equation.species[i]));
    decided = decided && states.back().decided;
    details.species.push_back(
        DescribeSpecies(equation, coefficients, i, states.back(), details.notes));
    details.mass_ratio.push_back(details.species.back().relative_mass * Rational(coefficients[i]));
  }
  if (decided) {
    details.redox = detail::FindBridges(equation, coefficients, states);
  } else {
    details.notes.push_back({DetailNoteKind::kRedoxUndecided, {}, 0});
  }
  const detail::TypeOfReaction type =
      detail::ClassifyReaction(equation, decided && !details.redox.has_value());
  details.reaction_type = type.type;
  details.neutralization = type.neutralization;
  details.ionic = type.ionic;
  if (given.empty()) return {std::move(details), GivenError::kNone, {}};
  return AddAmounts(std::move(details), given);
}

DetailsResult Describe(const Answer& answer, const std::vector<GivenAmount>& given) {
  if (!answer.ok() || !answer.equation) return {};
  std::vector<Integer> coefficients;
  for (const std::string& coefficient : answer.coefficients) coefficients.emplace_back(coefficient);
  return Describe(*answer.equation, coefficients, given);
}

}  // namespace quorvel::chemistry
