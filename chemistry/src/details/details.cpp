// Describe: one balanced answer's details, from its reading and coefficients.

#include "quorvel/chemistry/details.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// mass × coefficient, in machine integers when they fit.
Rational Times(const Rational& mass, const Integer& coefficient) {
  try {
    return (detail::SmallFraction::Of(mass) * detail::SmallFraction::Of(coefficient)).ToRational();
  } catch (const detail::FractionOverflow&) {
    return mass * Rational(coefficient);
  }
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

// What the details say of a species wherever it stands: a pure function of
// its text and reading.
struct SpeciesFacts {
  std::string formula;
  Rational relative_mass;
  Rational molar_mass;
  // The atoms the tables have no value of their own for, exam table first.
  std::vector<std::pair<DetailNoteKind, std::string>> mass_notes;
  detail::SpeciesStates states;
  std::vector<ElementStates> oxidation_states;  // when the states are decided
  std::optional<std::string> name;
};

std::shared_ptr<const SpeciesFacts> WorkOutFacts(const Species& species) {
  auto facts = std::make_shared<SpeciesFacts>();
  facts->formula = detail::FormulaText(species.text);
  const auto weigh = [&](AtomWeight (*weight)(int, int), DetailNoteKind kind) {
    for (const AtomCount& atoms : species.atoms) {
      if (weight(atoms.element, atoms.mass).approximate) {
        facts->mass_notes.emplace_back(kind, detail::AtomName(detail::AtomKind(atoms)));
      }
    }
    return WeightSum(species, weight);
  };
  facts->relative_mass = weigh(detail::ExamAtomicMass, DetailNoteKind::kOutsideExamTable);
  facts->molar_mass = weigh(detail::MolarAtomicMass, DetailNoteKind::kIsotopeMassNumber);
  facts->states = detail::OxidationStates(species);
  if (facts->states.decided) facts->oxidation_states = StatesByAtom(species, facts->states);
  facts->name = detail::SpeciesName(species);
  return facts;
}

// A batch meets the same species again and again (H2O, O2, CO2): their facts
// are worked out once, under one key, and shared rather than copied.
std::shared_ptr<const SpeciesFacts> FactsOf(const Species& species) {
  static detail::Remembered<std::shared_ptr<const SpeciesFacts>> remembered(1 << 14);
  std::string key = species.text;
  key += species.adduct ? '\x01' : '\x02';
  key += detail::AtomsKey(species);
  key += species.units == 1 ? std::string("1") : species.units.str();
  return remembered.Get(key, [&] { return WorkOutFacts(species); });
}

SpeciesDetails DescribeSpecies(const Equation& equation, const std::vector<Integer>& coefficients,
                               std::size_t i, const SpeciesFacts& facts,
                               std::vector<DetailNote>& notes) {
  SpeciesDetails out;
  out.formula = facts.formula;
  out.coefficient = coefficients[i];
  out.product = i >= equation.reactant_count;
  out.relative_mass = facts.relative_mass;
  out.molar_mass = facts.molar_mass;
  for (const auto& [kind, symbol] : facts.mass_notes) NoteOnce(notes, {kind, symbol, i});
  if (facts.states.decided) {
    out.oxidation_states = facts.oxidation_states;
  } else {
    notes.push_back({DetailNoteKind::kUndecidedState,
                     std::string(ElementSymbol(facts.states.undecided_element)), i});
  }
  out.name = facts.name;
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
    const std::shared_ptr<const SpeciesFacts> facts = FactsOf(equation.species[i]);
    states.push_back(facts->states);
    decided = decided && facts->states.decided;
    details.species.push_back(DescribeSpecies(equation, coefficients, i, *facts, details.notes));
    details.mass_ratio.push_back(Times(details.species.back().relative_mass, coefficients[i]));
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
