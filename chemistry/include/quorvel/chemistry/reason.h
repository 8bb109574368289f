#pragma once

// Why an equation could not be read or balanced, as data: a kind and what it
// names (a position, the offending text, elements, species, a number). The
// catalogue (Explain) turns it into one line of English or Simplified Chinese,
// so that every front end can speak its user's language.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/messages.h"

namespace quorvel::chemistry {

enum class ReasonKind {
  kNone,  // it balanced
  // The text is no UTF-8: `position` is the 1-based byte where the fault starts.
  kInvalidUtf8,

  // Reading faults: `position` is where, counted in characters from 1, and
  // `text` the character or text found there as typed (empty at the end).
  kEmpty,
  kTooLong,              // count: the most bytes an equation may have; position 0
  kTooManySpecies,       // count: the most species an equation may have
  kNoArrow,              // no "=" or arrow anywhere
  kSecondArrow,          // text: the arrow
  kNoReactants,          // text: the arrow with nothing before it
  kNothingBeforePlus,    // a "+" first
  kNoProducts,           // text: the arrow with nothing after it
  kNothingAfterSign,     // text: the "+" or arrow followed by nothing
  kUnexpected,           // expected: a key below; other_*: a "+" read as a charge
  kZeroCoefficient,      // a typed coefficient of 0
  kCoefficientAlone,     // a coefficient before no formula
  kBadElectron,          // an electron with a charge other than -1
  kUnknownElement,       // text: the symbol; expected kExpectCapital when it starts small
  kNestedTooDeep,        // count: the deepest nesting allowed
  kClosesNothing,        // text: the closing bracket
  kMismatchedBracket,    // text: the closing bracket; other_*: the opening one
  kEmptyGroup,           // brackets with nothing inside
  kNeverClosed,          // text: the opening bracket or brace
  kNothingBeforeDot,     // text: the adduct dot
  kNothingAfterDot,      // text: the adduct dot
  kDotInGroup,           // text: the adduct dot
  kCountWithoutFormula,  // a count after no element or group
  kNoCharge,             // text: the "^" or "{" that starts no charge
  kUnsignedCharge,       // superscript digits with no superscript sign
  kZeroCount,            // a count of 0
  kZeroCharge,           // a charge of 0
  kLongCount,            // count: the most digits allowed
  kLongCharge,           // count: the most digits allowed
  kSecondCoefficient,    // a number before a formula that has a coefficient already
  kCountAfterOxidation,  // other_*: the oxidation state the count follows
  kSubscriptThenDigits,  // text: ASCII digits after subscripts that are no charge
  kMisplacedFraction,    // text: a fraction where only a whole count may stand
  kLabelledIsotope,      // text: D or T, which a mass number labels again
  kNoSuchIsotope,        // text: the mass number; other_text: the element symbol

  // Balancing outcomes.
  kOneSided,        // items: elements only among the reactants; other_items: only
                    // among the products; *_charge_sign: the charge when it cannot cancel
  kNoCoefficients,  // every choice leaves something unbalanced; charged: charges occur
  kZeroOnly,        // items: the species that balance only at 0
  kNoPositive,      // items: the species that belong on the other side
  kSeveral,         // count: the number of independent reactions
  kTooLarge,        // count: the time limit of the exact arithmetic, in seconds

  // Reading faults of the notation textbooks print.
  kConditionWithoutSign,  // text: a condition (△, 点燃) with no "=" or arrow around it

  // Names where formulas stand (高锰酸钾): `position` and `text` as for a
  // reading fault, `text` the whole name.
  kUnknownName,    // other_items: the names close to it, if any
  kAmbiguousName,  // items: the formulas it may mean

  // Thermochemical equations: `position` and `text` name the ΔH term as typed.
  kEnthalpyUnread,           // a ΔH term in no form the reading knows
  kEnthalpyWithoutEquation,  // a ΔH term where the equation is not complete yet
  // The coefficients as typed, which the ΔH belongs to, do not balance:
  // items holds the balanced equation, for the writer to correct them by.
  kEnthalpyUnbalanced,
  // A "=" between two parts of a formula (CH2=CH2) while "=" also joins the
  // sides: `position` the first "=", `text` the formula it stands in.
  kBondOrSign,

  // Not a reason: one past the last kind, so that loops reach every kind. A
  // new kind goes above, with its key in the catalogue (reason_texts.cpp) and
  // its line in every language's table of messages.
  kLastReason
};

// What a reading fault expected instead (Reason::expected).
inline constexpr std::string_view kExpectSignOrArrow = "sign_or_arrow";
inline constexpr std::string_view kExpectFormula = "formula";
inline constexpr std::string_view kExpectCapital = "capital_letter";

struct Reason {
  ReasonKind kind = ReasonKind::kNone;
  std::size_t position = 0;        // 1-based character position in the line, 0 when none
  std::string text;                // the offending text, as typed
  std::string expected;            // what was expected: one of the kExpect* keys
  std::size_t count = 0;           // a limit, or the number of independent reactions
  std::vector<std::string> items;  // elements or species named
  // A second place the reason names: the bracket not closed, the "+" taken
  // as a charge (other_text then names the species that took it).
  std::size_t other_position = 0;
  std::string other_text;
  std::vector<std::string> other_items;
  int reactant_charge_sign = 0;  // kOneSided: -1, 0 or +1
  int product_charge_sign = 0;
  bool charged = false;  // kNoCoefficients: some species carries a charge
  // The formula the writer most likely meant (co2, CaCo3, C02), with which the
  // equation balances; any kind may carry one. Empty when none is known.
  std::string likely_formula;
};

using Language = messages::Language;

// One line, without a failure prefix; empty for kNone. It ends by naming
// the likely formula, if the reason has one.
std::string Explain(const Reason& reason, Language language);

// A stable snake_case name for the kind, for scripts (--json); "none" for kNone.
std::string_view ReasonKey(ReasonKind kind);

}  // namespace quorvel::chemistry
