#pragma once

// Every text a user sees, by id, in each language the program speaks. Each
// language keeps all its texts in one table (messages/locale/<language>.cpp),
// so a new language is one more table and one more Language; a table that
// lacks a message, or has one twice, does not compile.
//
//   #include "quorvel/messages.h"
//   using quorvel::messages::Format;
//   using quorvel::messages::Language;
//   using quorvel::messages::Message;
//
//   Format(Message::kConsoleLine, Language::kChinese, {"7"});   // "第 7 行"
//   Format(Message::kConsoleLine, Language::kEnglish, {"7"});   // "line 7"
//
// Patterns are UTF-8 and name their arguments {1} to {9}, so that a language
// can put them in its own order.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvel::messages {

enum class Language { kEnglish, kChinese };
inline constexpr std::array kLanguages{Language::kEnglish, Language::kChinese};

// Grouped by who shows them; a group grows at its own end.
enum class Message {
  // The console's own words around the chemistry library's lines.
  kConsoleLine,      // which input line a message is about: {1} the line number
  kConsoleArgument,  // which equation argument: {1} its number
  kConsoleReaction,  // before one of several independent reactions: {1} its number
  kConsoleNote,      // before a note

  // The window's texts (both toolkits), the CPU line, the second-instance box.

  // Why an equation cannot be read or balanced (the chemistry library's reasons).

  // Reasons for textbook notation.

  // The details of an answer: masses, oxidation states, bridges, type, amounts.
  kDetailsRelativeMasses,        // the relative masses: {1} the list
  kDetailsMolarMasses,           // the molar masses: {1} the list
  kDetailsSpeciesValue,          // one species in a list: {1} its formula, {2} its value
  kDetailsMassRatio,             // {1} the ratio, 316 : 197 : 87 : 32
  kDetailsStates,                // {1} the species' states
  kDetailsStatesOfSpecies,       // {1} a formula, {2} its elements' states
  kDetailsStateUndecided,        // {1} a formula whose states are not known
  kDetailsListSeparator,         // between the items of a list
  kDetailsGroupSeparator,        // between the species of the states line
  kDetailsAlternativeSeparator,  // between several formulas or states
  kDetailsReactionType,          // {1} the type
  kDetailsCombination,           // a reaction type
  kDetailsDecomposition,         // a reaction type
  kDetailsSingleDisplacement,    // a reaction type
  kDetailsDoubleDisplacement,    // a reaction type
  kDetailsNeutralization,        // a reaction type
  kDetailsNoBasicType,           // a reaction type
  kDetailsNoRedox,               // when nothing is oxidised
  kDetailsAgents,                // {1} and {2} formulas
  kDetailsRedoxProducts,         // {1} and {2} formulas
  kDetailsNone,                  // an empty list of formulas
  kDetailsGained,     // a bridge: {1} element, {2} {3} states, {4} {5} formulas, {6} electrons
  kDetailsLost,       // a bridge, as kDetailsGained
  kDetailsElectrons,  // {1} the electrons, 4e⁻
  kDetailsAmount,     // {1} a formula, {2} moles, {3} grams
  kDetailsAmounts,    // before the amounts
  kDetailsLimiting,   // {1} the limiting reactant
  kDetailsLeftOver,   // {1} a formula, {2} grams
  kDetailsNoteOutsideExamTable,  // {1} an element
  kDetailsNoteIsotopeMass,       // {1} an isotope
  kDetailsNoteUndecided,         // {1} an element, {2} a formula
  kDetailsNoteRedoxUndecided,    // when the bridges are left out
  kGivenMalformed,               // {1} the argument
  kGivenUnknownUnit,             // {1} the argument
  kGivenNotPositive,             // {1} the argument
  kGivenUnknownSpecies,          // {1} the formula
  kGivenTwice,                   // {1} the formula
  kGivenProductAmongOthers,      // {1} the formula

  // Names of substances.

  kCount  // not a message: one past the last, so that loops reach every message
};

inline constexpr std::size_t kMessageCount = static_cast<std::size_t>(Message::kCount);

// The message's pattern in the language, with its {N} placeholders.
std::string_view Pattern(Message message, Language language);

// The pattern with {1} to {9} replaced by the arguments; a placeholder with no
// argument becomes empty, and a brace that starts no placeholder stays.
std::string Format(Message message, Language language,
                   std::initializer_list<std::string_view> arguments = {});

}  // namespace quorvel::messages
