// The catalogue of reasons: for every kind its key for scripts, and the line
// that the messages' tables hold for it in each language, filled in with
// pieces that are messages too. The English lines are the library's
// long-standing messages; scripts and tests compare them exactly.

#include "reason_texts.h"

#include <array>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvel::chemistry {
namespace {

using messages::Format;
using messages::Message;

struct KeyEntry {
  ReasonKind kind;
  std::string_view key;
};

// In ReasonKind's order, so that a kind is its own index.
constexpr std::array kKeys{
    KeyEntry{ReasonKind::kNone, "none"},
    KeyEntry{ReasonKind::kInvalidUtf8, "invalid_utf8"},
    KeyEntry{ReasonKind::kEmpty, "empty"},
    KeyEntry{ReasonKind::kTooLong, "too_long"},
    KeyEntry{ReasonKind::kTooManySpecies, "too_many_species"},
    KeyEntry{ReasonKind::kNoArrow, "no_arrow"},
    KeyEntry{ReasonKind::kSecondArrow, "second_arrow"},
    KeyEntry{ReasonKind::kNoReactants, "no_reactants"},
    KeyEntry{ReasonKind::kNothingBeforePlus, "nothing_before_plus"},
    KeyEntry{ReasonKind::kNoProducts, "no_products"},
    KeyEntry{ReasonKind::kNothingAfterSign, "nothing_after_sign"},
    KeyEntry{ReasonKind::kUnexpected, "unexpected"},
    KeyEntry{ReasonKind::kZeroCoefficient, "zero_coefficient"},
    KeyEntry{ReasonKind::kCoefficientAlone, "coefficient_alone"},
    KeyEntry{ReasonKind::kBadElectron, "bad_electron"},
    KeyEntry{ReasonKind::kUnknownElement, "unknown_element"},
    KeyEntry{ReasonKind::kNestedTooDeep, "nested_too_deep"},
    KeyEntry{ReasonKind::kClosesNothing, "closes_nothing"},
    KeyEntry{ReasonKind::kMismatchedBracket, "mismatched_bracket"},
    KeyEntry{ReasonKind::kEmptyGroup, "empty_group"},
    KeyEntry{ReasonKind::kNeverClosed, "never_closed"},
    KeyEntry{ReasonKind::kNothingBeforeDot, "nothing_before_dot"},
    KeyEntry{ReasonKind::kNothingAfterDot, "nothing_after_dot"},
    KeyEntry{ReasonKind::kDotInGroup, "dot_in_group"},
    KeyEntry{ReasonKind::kCountWithoutFormula, "count_without_formula"},
    KeyEntry{ReasonKind::kNoCharge, "no_charge"},
    KeyEntry{ReasonKind::kUnsignedCharge, "unsigned_charge"},
    KeyEntry{ReasonKind::kZeroCount, "zero_count"},
    KeyEntry{ReasonKind::kZeroCharge, "zero_charge"},
    KeyEntry{ReasonKind::kLongCount, "long_count"},
    KeyEntry{ReasonKind::kLongCharge, "long_charge"},
    KeyEntry{ReasonKind::kSecondCoefficient, "second_coefficient"},
    KeyEntry{ReasonKind::kCountAfterOxidation, "count_after_oxidation"},
    KeyEntry{ReasonKind::kSubscriptThenDigits, "digits_after_subscript"},
    KeyEntry{ReasonKind::kMisplacedFraction, "misplaced_fraction"},
    KeyEntry{ReasonKind::kLabelledIsotope, "labelled_isotope"},
    KeyEntry{ReasonKind::kNoSuchIsotope, "no_such_isotope"},
    KeyEntry{ReasonKind::kOneSided, "one_sided"},
    KeyEntry{ReasonKind::kNoCoefficients, "no_coefficients"},
    KeyEntry{ReasonKind::kZeroOnly, "zero_only"},
    KeyEntry{ReasonKind::kNoPositive, "no_positive"},
    KeyEntry{ReasonKind::kSeveral, "several"},
    KeyEntry{ReasonKind::kTooLarge, "too_large"},
    KeyEntry{ReasonKind::kConditionWithoutSign, "condition_without_sign"},
    KeyEntry{ReasonKind::kUnknownName, "unknown_name"},
    KeyEntry{ReasonKind::kAmbiguousName, "ambiguous_name"},
    KeyEntry{ReasonKind::kEnthalpyUnread, "enthalpy_unread"},
    KeyEntry{ReasonKind::kEnthalpyWithoutEquation, "enthalpy_without_equation"},
    KeyEntry{ReasonKind::kEnthalpyUnbalanced, "enthalpy_coefficients_unbalanced"},
    KeyEntry{ReasonKind::kBondOrSign, "bond_or_sign"},
};

consteval bool EveryKindInOrder() {
  if (kKeys.size() != static_cast<std::size_t>(ReasonKind::kLastReason)) return false;
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (static_cast<std::size_t>(kKeys[i].kind) != i) return false;
  }
  return true;
}
static_assert(EveryKindInOrder(), "kKeys must list every ReasonKind once, in the enum's order");

// A control character cannot be shown inside quotes: U+XXXX instead.
std::string CodePointName(const std::string& typed) {
  unsigned code = 0x110000;
  const auto lead = static_cast<unsigned char>(typed[0]);
  if (typed.size() == 1) code = lead;
  if (typed.size() == 2 && lead == 0xC2) code = static_cast<unsigned char>(typed[1]);
  if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0)) {
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), "U+%04X", code);
    return name.data();
  }
  return "";
}

// The typed text as a reason shows it; an empty text is the end of the line.
std::string Quoted(const std::string& typed, Language language) {
  if (typed.empty()) return Format(Message::kReasonTheEnd, language);
  if (const std::string name = CodePointName(typed); !name.empty()) {
    return Format(Message::kReasonCodePoint, language, {name});
  }
  return Format(Message::kReasonQuoted, language, {typed});
}

std::string At(std::size_t position, Language language) {
  return Format(Message::kReasonAt, language, {std::to_string(position)});
}

std::string Sign(int sign, Language language) {
  return Format(sign > 0 ? Message::kReasonPositive : Message::kReasonNegative, language);
}

// An element or the charge on one side only; each part names its side.
std::string OneSided(const Reason& r, Language language) {
  std::string parts;
  const auto add = [&](const std::string& part) {
    if (!parts.empty()) parts += Format(Message::kReasonPartSeparator, language);
    parts += part;
  };
  const auto elements = [&](const std::vector<std::string>& names, Message side) {
    if (names.empty()) return;
    add(Format(names.size() == 1 ? Message::kReasonOneOnlyAmong : Message::kReasonManyOnlyAmong,
               language, {detail::JoinNames(names, language), Format(side, language)}));
  };
  elements(r.items, Message::kReasonReactants);
  elements(r.other_items, Message::kReasonProducts);
  const int left = r.reactant_charge_sign;
  const int right = r.product_charge_sign;
  if (left != 0 && right == 0) {
    add(Format(Message::kReasonChargeOnlyAmong, language,
               {Sign(left, language), Format(Message::kReasonReactants, language)}));
  } else if (left == 0 && right != 0) {
    add(Format(Message::kReasonChargeOnlyAmong, language,
               {Sign(right, language), Format(Message::kReasonProducts, language)}));
  } else if (left != 0 && right != 0) {
    add(Format(Message::kReasonChargesCannotCancel, language,
               {Sign(left, language), Sign(right, language)}));
  }
  return parts;
}

std::string Unexpected(const Reason& r, Language language) {
  const std::string expected =
      Format(r.expected == kExpectFormula ? Message::kReasonExpectFormula
                                          : Message::kReasonExpectSignOrArrow,
             language);
  const std::string at = At(r.position, language);
  std::string line =
      r.text.empty()
          ? Format(Message::kReasonUnexpectedEnd, language, {at, expected})
          : Format(Message::kReasonUnexpected, language, {Quoted(r.text, language), at, expected});
  if (r.other_position != 0) {
    line += Format(Message::kReasonPlusReadAsCharge, language,
                   {At(r.other_position, language), r.other_text});
  }
  return line;
}

}  // namespace

namespace detail {

std::string JoinNames(const std::vector<std::string>& names, Language language) {
  const std::string separator = Format(Message::kReasonListSeparator, language);
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : separator) + name;
  return joined;
}

}  // namespace detail

namespace {

// The line for the reason's kind alone.
std::string KindLine(const Reason& r, Language language) {
  const auto say = [language](Message message,
                              std::initializer_list<std::string_view> arguments = {}) {
    return Format(message, language, arguments);
  };
  const std::string at = At(r.position, language);
  const std::string text = Quoted(r.text, language);
  const std::string n = std::to_string(r.count);
  switch (r.kind) {
    case ReasonKind::kNone:
    case ReasonKind::kLastReason:
      break;
    case ReasonKind::kInvalidUtf8:
      return say(Message::kReasonInvalidUtf8, {std::to_string(r.position)});
    case ReasonKind::kEmpty:
      return say(Message::kReasonEmpty);
    case ReasonKind::kTooLong:
      return say(Message::kReasonTooLong, {n});
    case ReasonKind::kTooManySpecies:
      return say(Message::kReasonTooManySpecies, {n});
    case ReasonKind::kNoArrow:
      return say(Message::kReasonNoArrow);
    case ReasonKind::kSecondArrow:
      return say(Message::kReasonSecondArrow, {text, at});
    case ReasonKind::kNoReactants:
      return say(Message::kReasonNoReactants, {text, at});
    case ReasonKind::kNothingBeforePlus:
      return say(Message::kReasonNothingBeforePlus, {at});
    case ReasonKind::kNoProducts:
      return say(Message::kReasonNoProducts, {text, at});
    case ReasonKind::kNothingAfterSign:
      return say(Message::kReasonNothingAfterSign, {text, at});
    case ReasonKind::kUnexpected:
      return Unexpected(r, language);
    case ReasonKind::kZeroCoefficient:
      return say(Message::kReasonZeroCoefficient, {at});
    case ReasonKind::kCoefficientAlone:
      return say(Message::kReasonCoefficientAlone, {at});
    case ReasonKind::kBadElectron:
      return say(Message::kReasonBadElectron, {at});
    case ReasonKind::kUnknownElement:
      // The symbol as typed, in plain quotes: it is letters, never a control character.
      return say(
          Message::kReasonUnknownElement,
          {r.text, at, r.expected == kExpectCapital ? say(Message::kReasonStartsWithCapital) : ""});
    case ReasonKind::kNestedTooDeep:
      return say(Message::kReasonNestedTooDeep, {n, at});
    case ReasonKind::kClosesNothing:
      return say(Message::kReasonClosesNothing, {text, at});
    case ReasonKind::kMismatchedBracket:
      return say(Message::kReasonMismatchedBracket,
                 {text, at, Quoted(r.other_text, language), At(r.other_position, language)});
    case ReasonKind::kEmptyGroup:
      return say(Message::kReasonEmptyGroup, {at});
    case ReasonKind::kNeverClosed:
      return say(Message::kReasonNeverClosed, {text, at});
    case ReasonKind::kNothingBeforeDot:
      return say(Message::kReasonNothingBeforeDot, {at, text});
    case ReasonKind::kNothingAfterDot:
      return say(Message::kReasonNothingAfterDot, {at, text});
    case ReasonKind::kDotInGroup:
      return say(Message::kReasonDotInGroup, {at, text});
    case ReasonKind::kCountWithoutFormula:
      return say(Message::kReasonCountWithoutFormula, {at});
    case ReasonKind::kNoCharge:
      return say(Message::kReasonNoCharge, {text, at});
    case ReasonKind::kUnsignedCharge:
      return say(Message::kReasonUnsignedCharge, {at});
    case ReasonKind::kZeroCount:
      return say(Message::kReasonZeroCount, {at});
    case ReasonKind::kZeroCharge:
      return say(Message::kReasonZeroCharge, {at});
    case ReasonKind::kLongCount:
      return say(Message::kReasonLongCount, {at, n});
    case ReasonKind::kLongCharge:
      return say(Message::kReasonLongCharge, {at, n});
    case ReasonKind::kSecondCoefficient:
      return say(Message::kReasonSecondCoefficient, {at});
    case ReasonKind::kCountAfterOxidation:
      return say(Message::kReasonCountAfterOxidation,
                 {at, Quoted(r.other_text, language), At(r.other_position, language)});
    case ReasonKind::kSubscriptThenDigits:
      return say(Message::kReasonSubscriptThenDigits, {text, at});
    case ReasonKind::kMisplacedFraction:
      return say(Message::kReasonMisplacedFraction, {text, at});
    case ReasonKind::kLabelledIsotope:
      return say(Message::kReasonLabelledIsotope, {at, r.text});
    case ReasonKind::kNoSuchIsotope:
      return say(Message::kReasonNoSuchIsotope, {text, at, r.other_text});
    case ReasonKind::kOneSided:
      return OneSided(r, language);
    case ReasonKind::kNoCoefficients:
      return say(Message::kReasonNoCoefficients,
                 {r.charged ? say(Message::kReasonOrTheCharge) : ""});
    case ReasonKind::kZeroOnly:
      return say(r.items.size() == 1 ? Message::kReasonZeroOnlyOne : Message::kReasonZeroOnly,
                 {detail::JoinNames(r.items, language)});
    case ReasonKind::kNoPositive:
      return say(Message::kReasonNoPositive, {detail::JoinNames(r.items, language)});
    case ReasonKind::kSeveral:
      return say(Message::kReasonSeveral, {n});
    case ReasonKind::kTooLarge:
      return say(Message::kReasonTooLarge, {n});
    case ReasonKind::kConditionWithoutSign:
      return say(Message::kReasonConditionWithoutSign, {text, at, r.text});
    case ReasonKind::kUnknownName: {
      std::vector<std::string> close;
      for (const std::string& name : r.other_items) close.push_back(Quoted(name, language));
      return say(
          Message::kReasonUnknownName,
          {text, at,
           close.empty() ? ""
                         : say(Message::kReasonDidYouMean, {detail::JoinNames(close, language)})});
    }
    case ReasonKind::kAmbiguousName:
      return say(Message::kReasonAmbiguousName, {text, at, detail::JoinNames(r.items, language)});
    case ReasonKind::kEnthalpyUnread:
      return say(Message::kReasonEnthalpyUnread, {text, at});
    case ReasonKind::kEnthalpyWithoutEquation:
      return say(Message::kReasonEnthalpyWithoutEquation, {text, at});
    case ReasonKind::kEnthalpyUnbalanced:
      return say(Message::kReasonEnthalpyUnbalanced,
                 {r.items.empty() ? std::string() : r.items.front(), r.text});
    case ReasonKind::kBondOrSign:
      return say(Message::kReasonBondOrSign, {at, r.text});
  }
  return "";
}

}  // namespace

// A slip in a formula (co2, CaCo3, C02) ends the line with the formula meant.
std::string Explain(const Reason& reason, Language language) {
  std::string line = KindLine(reason, language);
  if (!reason.likely_formula.empty() && reason.kind != ReasonKind::kNone) {
    line += Format(Message::kReasonLikelyFormula, language, {reason.likely_formula});
  }
  return line;
}

std::string_view ReasonKey(ReasonKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < kKeys.size() ? kKeys[index].key : "none";
}

}  // namespace quorvel::chemistry
