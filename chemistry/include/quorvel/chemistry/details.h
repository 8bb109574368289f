#pragma once

// What a textbook asks after the balanced equation: each species' relative
// and molar mass, the mass ratio, oxidation states, the electron bridges, the
// reaction's basic type, and the amounts that react from given ones. Exact
// fractions throughout; FormatDecimal rounds only for printing.
//
//   #include "quorvel/chemistry.h"
//   #include "quorvel/chemistry/details.h"
//
//   const auto answer = quorvel::chemistry::Balance("KMnO4 = K2MnO4 + MnO2 + O2");
//   const auto given = quorvel::chemistry::ParseGiven("KMnO4=31.6g");  // given.amount
//   const auto result = quorvel::chemistry::Describe(answer, {*given.amount});
//   if (result.details) {
//     // result.details->mass_ratio: 316 197 87 32; redox->electrons: 4
//     // amounts->amounts[3].mass: 3.2 (g of O2)
//   } else {
//     // result.error: why the given amounts do not fit (kUnknownSpecies, ...)
//   }

#include <boost/multiprecision/cpp_int.hpp>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/chemistry/equation.h"
#include "quorvel/chemistry/integer.h"

namespace quorvel::chemistry {

struct Answer;

using Rational = boost::multiprecision::cpp_rational;

// The states of one kind of atom in a species: one state, or several when
// its atoms differ (NH4NO3: N -3 and +5), in ascending order.
struct ElementStates {
  std::string symbol;  // "N", "D", "¹⁴C"
  std::vector<Rational> states;
};

struct SpeciesDetails {
  std::string formula;  // as written in the answer, marks and notes left out
  Integer coefficient;
  bool product = false;
  Rational relative_mass;                       // with the table Chinese exams print
  Rational molar_mass;                          // g/mol, with the IUPAC standard atomic weights
  std::vector<ElementStates> oxidation_states;  // empty when undecided, and for the electron
  std::optional<std::string> name;
};

// One bridge of a 双线桥: `atoms` atoms of `symbol` going from `from` in
// species `reactant` to `to` in species `product` (indices into species).
struct Bridge {
  std::string symbol;
  Rational from;
  Rational to;
  std::size_t reactant = 0;
  std::size_t product = 0;
  Rational atoms;  // whole, except with fractional adducts
  Rational electrons_each;
  bool gained = false;  // the state falls: 得到 electrons, 被还原
};

struct Redox {
  Rational electrons;                         // moved in the equation as balanced
  std::vector<std::size_t> oxidizing_agents;  // indices into species
  std::vector<std::size_t> reducing_agents;
  std::vector<std::size_t> oxidation_products;
  std::vector<std::size_t> reduction_products;
  std::vector<Bridge> changes;
};

enum class ReactionType {
  kNone,  // none of the four basic types
  kCombination,
  kDecomposition,
  kSingleDisplacement,
  kDoubleDisplacement,
};

enum class MassUnit { kGram, kKilogram, kMilligram, kMole };

// One --given SPECIES=AMOUNT.
struct GivenAmount {
  std::string formula;
  Rational value;  // in `unit`
  MassUnit unit = MassUnit::kGram;
  int decimals = 0;  // digits typed after the decimal point
};

struct SpeciesAmount {
  std::size_t species = 0;
  Rational moles;
  Rational mass;  // g, with the exam table
};

struct Amounts {
  std::vector<SpeciesAmount> amounts;    // every species, in input order
  std::optional<std::size_t> limiting;   // used up first, when two or more reactants are given
  std::vector<SpeciesAmount> left_over;  // each excess reactant's moles and mass left
  // How masses are printed: to this many decimals when every given amount
  // had one, otherwise (-1) to four significant digits.
  int mass_decimals = -1;
};

enum class DetailNoteKind {
  kOutsideExamTable,   // `symbol` takes its IUPAC weight rounded to one decimal
  kIsotopeMassNumber,  // `symbol`'s molar mass counts its mass number
  kUndecidedState,     // the states of `symbol` in `species` cannot be decided
  kRedoxUndecided,     // so the electrons are not worked out
};

struct DetailNote {
  DetailNoteKind kind = DetailNoteKind::kUndecidedState;
  std::string symbol;
  std::size_t species = 0;
};

struct Details {
  std::vector<SpeciesDetails> species;  // input order
  std::vector<Rational> mass_ratio;     // coefficient × relative mass
  ReactionType reaction_type = ReactionType::kNone;
  bool neutralization = false;  // acid + base → salt + water, a kind of double displacement
  // Ions or electrons take part (Ba2+ + SO42- = BaSO4↓, Zn - 2e- = Zn2+): the
  // four basic types class reactions of substances, so the type is kNone.
  bool ionic = false;
  std::optional<Redox> redox;  // empty when no state changes or when undecided
  std::optional<Amounts> amounts;
  std::vector<DetailNote> notes;
};

enum class GivenError {
  kNone,
  kMalformed,           // not SPECIES=NUMBER UNIT
  kUnknownUnit,         // a unit other than g, kg, mg, mol
  kNotPositive,         // zero or negative
  kUnknownSpecies,      // no species of the equation has that formula
  kTwice,               // the same species given twice
  kProductAmongOthers,  // a product given together with other amounts
};

struct GivenParse {
  std::optional<GivenAmount> amount;
  GivenError error = GivenError::kNone;
};

// Reads "KMnO4=31.6g", "H2 = 2 mol", "O2=0.5kg".
GivenParse ParseGiven(std::string_view text);

struct DetailsResult {
  std::optional<Details> details;  // empty when the answer is not balanced or `given` does not fit
  GivenError error = GivenError::kNone;
  std::string error_formula;  // the given formula the error is about
};

// The details of a balanced answer, and the amounts when some are given.
DetailsResult Describe(const Answer& answer, const std::vector<GivenAmount>& given = {});

// The same from a reading and its balanced (positive) coefficients.
DetailsResult Describe(const Equation& equation, const std::vector<Integer>& coefficients,
                       const std::vector<GivenAmount>& given = {});

// A fraction as a decimal, rounded half away from zero to `decimals` digits
// after the point, or to four significant digits when `decimals` is -1; a
// value that ends sooner is written exactly, without trailing zeros, unless
// `exact_when_shorter` is false ("18.015", "32.060").
std::string FormatDecimal(const Rational& value, int decimals = -1, bool exact_when_shorter = true);

// A state as textbooks write it: "+7", "-2", "0", "+8/3".
std::string FormatState(const Rational& state);

}  // namespace quorvel::chemistry
