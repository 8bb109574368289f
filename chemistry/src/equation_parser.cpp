// A small descent parser: equation, side, species, formula, charge. The one
// rule that nests, the group, is paired with an explicit stack (ScanFormula),
// so the input's shape never decides the depth of the call stack.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bonds.h"
#include "characters.h"
#include "charge.h"
#include "enthalpy.h"
#include "formula.h"
#include "names/name_reading.h"
#include "number.h"
#include "parse_failure.h"
#include "quorvel/chemistry/parser.h"
#include "source_text.h"

namespace quorvel::chemistry {
namespace {

using detail::Fail;
using detail::FailAt;
using detail::FailWhole;
using detail::kNoPosition;
using detail::SourceText;

class EquationReader {
 public:
  explicit EquationReader(const SourceText& text) : text_(text), bonds_(text) {}

  Equation Read() {
    SkipSpaces();
    if (i_ == text_.size()) FailWhole(ReasonKind::kEmpty);
    TakeLabel();
    for (;;) {
      ExpectSpecies();
      const bool subtracted = subtract_next_;
      subtract_next_ = false;
      equation_.species.push_back(ReadSpecies());
      if (subtracted) TakeSubtracted();
      if (equation_.species.size() > kMaxSpecies) {
        FailWhole(ReasonKind::kTooManySpecies, kMaxSpecies);
      }
      SkipSpaces();
      if (i_ == text_.size()) break;
      if (const std::optional<std::size_t> delta = detail::EnthalpyAt(text_, i_)) {
        TakeEnthalpy(*delta);
        break;
      }
      if (const std::size_t arrow = detail::ArrowLength(text_, i_); arrow > 0) {
        TakeArrow(arrow);
      } else if (text_[i_] == U'+') {
        last_sign_ = i_++;
      } else if (detail::Sign(text_[i_]) < 0 && ElectronFollows(i_ + 1)) {
        subtract_next_ = true;
        last_sign_ = i_++;
      } else {
        Unexpected();
      }
    }
    if (arrow_at_ == kNoPosition) FailWhole(ReasonKind::kNoArrow);
    return std::move(equation_);
  }

 private:
  void SkipSpaces() {
    while (detail::IsSpace(text_[i_])) ++i_;
  }

  // 负极：, 总反应: — a label of Chinese words before a colon names the
  // reaction; it counts nothing and stays before the answer.
  void TakeLabel() {
    std::size_t j = i_;
    while (detail::IsCondition(text_[j])) ++j;
    if (j == i_ || text_[j] != U':') return;
    ++j;
    while (detail::IsSpace(text_[j])) ++j;
    equation_.label = text_.Typed(i_, j);
    i_ = j;
  }

  // 2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol: the ΔH ends the equation and goes with
  // its coefficients as typed, which the balancing then keeps or refuses.
  void TakeEnthalpy(std::size_t delta) {
    if (arrow_at_ == kNoPosition) FailEnthalpyWithoutEquation(delta);
    detail::EnthalpyTerm term = detail::ReadEnthalpy(text_, delta);
    equation_.enthalpy = std::move(term.text);
    equation_.enthalpy_sign_only = term.sign_only;
    i_ = text_.size();
  }

  [[noreturn]] void FailEnthalpyWithoutEquation(std::size_t delta) const {
    FailAt(ReasonKind::kEnthalpyWithoutEquation, delta, detail::EnthalpyTyped(text_, delta));
  }

  // After a minus between species: electrons, with or without a
  // coefficient (Zn - 2e- = Zn2+). Only electrons are subtracted.
  bool ElectronFollows(std::size_t j) const {
    while (detail::IsSpace(text_[j])) ++j;
    while (detail::IsDigit(text_[j])) ++j;
    while (detail::IsSpace(text_[j])) ++j;
    return text_[j] == U'e' && !detail::IsSmall(text_[j + 1]);
  }

  // In the answer the electrons keep the minus: "Zn - 2e- = Zn2+". A minus
  // is read only after a species, so one always stands before it.
  void TakeSubtracted() { equation_.species.back().subtracted = true; }

  void TakeArrow(std::size_t length) {
    if (arrow_at_ != kNoPosition) {
      FailIfBondOrSign();
      FailAt(ReasonKind::kSecondArrow, i_, text_.Typed(i_, i_ + length));
    }
    arrow_at_ = last_sign_ = i_;
    equation_.arrow = text_.Typed(i_, i_ + length);
    equation_.reactant_count = equation_.species.size();
    i_ += length;
    TakeCondition();
  }

  // CH2=CH2 + Br2 = CH2BrCH2Br: the first "=" touches a formula on both
  // sides and a second sign follows. It may be a double bond or the sign;
  // neither reading is surer, so the line is refused with both.
  void FailIfBondOrSign() const {
    const std::size_t at = arrow_at_;
    if (equation_.arrow != "=" || at == 0 || detail::IsSpace(text_[at - 1]) ||
        !(detail::IsCapital(text_[at + 1]) || text_[at + 1] == U'(')) {
      return;
    }
    std::size_t begin = at;
    while (begin > 0 && detail::IsPrintable(text_[begin - 1]) &&
           !detail::IsSpace(text_[begin - 1]) && text_[begin - 1] != U'+') {
      --begin;
    }
    std::size_t end = at + 1;
    while (detail::IsPrintable(text_[end]) && !detail::IsSpace(text_[end]) && text_[end] != U'+' &&
           detail::ArrowLength(text_, end) == 0) {
      ++end;
    }
    FailAt(ReasonKind::kBondOrSign, at, text_.Typed(begin, end));
  }

  // 2KClO3 =MnO2,△= 2KCl: what stands between two signs, holding no space
  // or control character, is the condition of the reaction (a catalyst,
  // heat, 点燃); spaces may stand around it (= 点燃 =). A condition in
  // parentheses right after the sign, ⇌(高温高压,催化剂), needs no second one.
  // It counts nothing and stays with the arrow.
  void TakeCondition() {
    if (const std::size_t bracketed = BracketedConditionLength(i_); bracketed > 0) {
      i_ += bracketed;
      equation_.arrow = text_.Typed(arrow_at_, i_);
      return;
    }
    std::size_t start = i_;
    while (detail::IsSpace(text_[start])) ++start;
    std::size_t j = start;
    while (detail::IsPrintable(text_[j]) && !detail::IsSpace(text_[j]) &&
           detail::ArrowLength(text_, j) == 0) {
      ++j;
    }
    std::size_t sign = j;
    while (detail::IsSpace(text_[sign])) ++sign;
    const std::size_t arrow = detail::ArrowLength(text_, sign);
    // →CH2=CHCl: a bond ends no condition; the formula is the product.
    if (j == start || arrow == 0 || bonds_.At(sign)) return;
    // Spaced, a formula reads as a condition only where the signs hold it
    // apart from the sides (H2O2= MnO2 =H2O); in H2 -> H2O -> H2O it is a
    // species and the second arrow a fault.
    const bool spaced = start > i_ || sign > j;
    bool condition = false;
    for (std::size_t k = start; k < j; ++k) condition = condition || detail::IsCondition(text_[k]);
    const bool held_apart = arrow_at_ > 0 && !detail::IsSpace(text_[arrow_at_ - 1]) &&
                            detail::IsPrintable(text_[sign + arrow]) &&
                            !detail::IsSpace(text_[sign + arrow]);
    if (spaced && !condition && !held_apart) return;
    if (spaced && !condition) {
      // Written back touching its signs (=MnO2=): spaced, the answer would
      // read the formula as a species and its second sign as a fault.
      equation_.arrow =
          text_.Typed(arrow_at_, i_) + text_.Typed(start, j) + text_.Typed(sign, sign + arrow);
      i_ = sign + arrow;
      return;
    }
    i_ = sign + arrow;
    equation_.arrow = text_.Typed(arrow_at_, i_);
  }

  // "(点燃)" or "(高温高压,催化剂)" at i: parentheses around a condition,
  // which no group holds. Its length, 0 when none is there.
  std::size_t BracketedConditionLength(std::size_t i) const {
    if (text_[i] != U'(') return 0;
    bool condition = false;
    std::size_t j = i + 1;
    for (; detail::IsPrintable(text_[j]) && text_[j] != U')' && text_[j] != U'('; ++j) {
      condition = condition || detail::IsCondition(text_[j]);
    }
    return condition && text_[j] == U')' ? j + 1 - i : 0;
  }

  // Before a species: what stands there when it is missing.
  void ExpectSpecies() {
    SkipSpaces();
    const bool at_end = i_ == text_.size();
    const std::size_t arrow = detail::ArrowLength(text_, i_);
    if (const std::optional<std::size_t> delta = detail::EnthalpyAt(text_, i_)) {
      FailEnthalpyWithoutEquation(*delta);
    }
    if (!at_end && arrow == 0 && text_[i_] != U'+') return;
    if (last_sign_ == kNoPosition) {
      if (arrow > 0) FailAt(ReasonKind::kNoReactants, i_, text_.Typed(i_, i_ + arrow));
      FailAt(ReasonKind::kNothingBeforePlus, i_, "+");
    }
    if (arrow > 0 && arrow_at_ != kNoPosition) TakeArrow(arrow);  // fails: a second arrow
    const std::string sign = last_sign_ == arrow_at_ ? equation_.arrow : "+";
    if (last_sign_ == arrow_at_ && at_end) {
      FailAt(ReasonKind::kNoProducts, last_sign_, sign);
    }
    FailAt(ReasonKind::kNothingAfterSign, last_sign_, sign);
  }

  // What stands at i_ where `expected` should.
  Reason UnexpectedHere(std::string_view expected) const {
    Reason reason;
    reason.kind = ReasonKind::kUnexpected;
    reason.position = i_ + 1;
    reason.text = text_.TypedAt(i_);
    reason.expected = expected;
    return reason;
  }

  [[noreturn]] void Unexpected() {
    if (detail::VulgarFraction(text_[i_]).denominator != 0) {
      FailAt(ReasonKind::kMisplacedFraction, i_, text_.TypedAt(i_));
    }
    // 2Cu + O2 △ 2CuO: a condition where the sign between the sides belongs.
    if (detail::IsCondition(text_[i_]) && arrow_at_ == kNoPosition) {
      std::size_t end = i_;
      while (detail::IsPrintable(text_[end]) && !detail::IsSpace(text_[end])) ++end;
      FailAt(ReasonKind::kConditionWithoutSign, i_, text_.Typed(i_, end));
    }
    Reason reason = UnexpectedHere(kExpectSignOrArrow);
    if (last_plus_charge_ != kNoPosition) {
      reason.other_position = last_plus_charge_ + 1;
      reason.other_text = equation_.species.back().text;
    }
    Fail(std::move(reason));
  }

  Species ReadSpecies() {
    Species species;
    last_plus_charge_ = kNoPosition;
    const std::size_t start = i_;
    // A typed coefficient is replaced by the answer, so its value is never
    // needed: any length reads (2, 0.5, ½), and an answer always reads back.
    if (!LeadsAdduct(i_)) i_ += detail::FractionLength(text_, i_);
    if (i_ > start) {
      species.typed_coefficient = text_.Typed(start, i_);
      if (species.typed_coefficient.find_first_not_of("0.") == std::string::npos) {
        FailAt(ReasonKind::kZeroCoefficient, start);
      }
      // A typed fraction's value is read when a ΔH keeps the typed
      // coefficients, so a zero on either side of its slash (1/0, 0/2) is
      // refused here, where every reading meets it.
      if (species.typed_coefficient.find('/') != std::string::npos) {
        try {
          static_cast<void>(detail::ReadFraction(text_, start));
        } catch (const detail::ParseFailure& failure) {
          if (failure.reason().kind != ReasonKind::kZeroCount) throw;
          FailAt(ReasonKind::kZeroCoefficient, start);
        }
      }
      SkipSpaces();
    }
    const std::size_t formula = i_;
    if (text_[i_] == U'e' && !detail::IsSmall(text_[i_ + 1])) {
      ReadElectron(species);
    } else {
      const detail::FormulaShape shape = detail::ScanFormula(text_, i_, &bonds_);
      if (shape.tokens == 0) {
        if (!species.typed_coefficient.empty()) {
          FailAt(ReasonKind::kCoefficientAlone, start);
        }
        Fail(UnexpectedHere(kExpectFormula));
      }
      detail::ChargeReading charge = detail::ReadCharge(text_, i_, shape);
      detail::FormulaReading reading = detail::CountAtoms(text_, shape, charge.formula_end);
      species.atoms = std::move(reading.atoms);
      species.group_count = reading.group_count;
      species.has_brackets_other_than_parentheses = reading.other_brackets;
      species.long_count = std::move(reading.long_count);
      species.charge = std::move(charge.charge);
      species.units = shape.units;
      species.adduct = shape.dots > 0;
      last_plus_charge_ = charge.unmarked_plus;
      if (charge.note) equation_.notes.push_back(std::move(*charge.note));
      ReadOxidationState(shape, formula, species);
      if (shape.leading_count) {
        const std::string typed = text_.Typed(formula, i_);
        const std::size_t count_end = formula + detail::FractionLength(text_, formula);
        const std::string count = text_.Typed(formula, count_end);
        const std::string unit = text_.Typed(count_end, i_);
        equation_.notes.push_back({NoteKind::kLeadingCount, {count, typed, unit}});
      }
    }
    SkipStateMark();
    species.text = text_.Typed(formula, i_);
    return species;
  }

  // 2CaSO4·H2O: a number right before a formula with an adduct dot is the
  // count of its first part, not a coefficient.
  bool LeadsAdduct(std::size_t i) const {
    std::size_t j = i + detail::FractionLength(text_, i);
    if (j == i || !(detail::IsCapital(text_[j]) || detail::ClosingBracket(text_[j]) != 0)) {
      return false;
    }
    return detail::ScanFormula(text_, j, &bonds_).dots > 0;
  }

  // Fe(III) alone is the ion Fe³⁺; in Fe(III)Cl3 the state counts nothing.
  void ReadOxidationState(const detail::FormulaShape& shape, std::size_t formula,
                          Species& species) {
    if (shape.oxidation_state < 0) return;
    const std::string typed = text_.Typed(formula, shape.end);
    if (!shape.lone_element_and_oxidation || species.charge != 0) {
      equation_.notes.push_back({NoteKind::kOxidationCountsNoAtoms, {typed}});
      return;
    }
    species.charge = shape.oxidation_state;
    // Only a numeral of I and V also reads as iodine or vanadium atoms.
    if (shape.oxidation_state == 0) return;
    equation_.notes.push_back(
        {NoteKind::kOxidationStateIon, {typed, std::to_string(shape.oxidation_state)}});
  }

  void ReadElectron(Species& species) {
    const std::size_t at = i_++;
    detail::FormulaShape none;
    none.begin = none.end = i_;
    species.charge = detail::ReadCharge(text_, i_, none).charge;
    if (species.charge != -1) FailAt(ReasonKind::kBadElectron, at);
  }

  // (s), (aq), ↑ and the other marks say nothing that balancing needs; they
  // stay in the species' text. One may follow another: O2(g)↑.
  void SkipStateMark() {
    for (;;) {
      std::size_t j = i_;
      while (detail::IsSpace(text_[j])) ++j;
      const std::size_t mark = detail::StateMarkLength(text_, j);
      if (mark == 0) return;
      i_ = j + mark;
    }
  }

  const SourceText& text_;
  const detail::Bonds bonds_;
  Equation equation_;
  std::size_t i_ = 0;
  std::size_t arrow_at_ = kNoPosition;
  std::size_t last_sign_ = kNoPosition;  // the last "+" or arrow read
  std::size_t last_plus_charge_ = kNoPosition;
  bool subtract_next_ = false;  // a minus before electrons was read
};

}  // namespace

ParseError ParseError::From(Reason reason) {
  ParseError error;
  error.invalid_utf8 = reason.kind == ReasonKind::kInvalidUtf8;
  error.message = Explain(reason, Language::kEnglish);
  error.reason = std::move(reason);
  return error;
}

namespace {

ParseResult ReadEquation(std::string_view utf8) {
  std::size_t bad_byte = 0;
  const std::optional<SourceText> text = SourceText::Decode(utf8, bad_byte);
  if (!text) {
    Reason reason;
    reason.kind = ReasonKind::kInvalidUtf8;
    reason.position = bad_byte;
    return {std::nullopt, ParseError::From(std::move(reason))};
  }
  try {
    return {EquationReader(*text).Read(), {}};
  } catch (const detail::ParseFailure& failure) {
    return {std::nullopt, ParseError::From(failure.reason())};
  }
}

}  // namespace

ParseResult ParseEquation(std::string_view utf8) {
  // Chinese names where formulas stand are read as their formulas first.
  detail::NamedEquation named = detail::ReadNames(utf8);
  if (named.failure) return {std::nullopt, ParseError::From(std::move(*named.failure))};
  ParseResult result = ReadEquation(named.text ? *named.text : utf8);
  if (result.equation) {
    std::vector<Note>& notes = result.equation->notes;
    notes.insert(notes.begin(), named.notes.begin(), named.notes.end());
  } else if (named.text) {
    Reason reason = std::move(result.error.reason);
    reason.position = named.TypedPosition(reason.position);
    reason.other_position = named.TypedPosition(reason.other_position);
    result.error = ParseError::From(std::move(reason));
  }
  return result;
}

}  // namespace quorvel::chemistry
