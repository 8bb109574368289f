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
  // The console's usage and its complaints about the command line.
  kConsoleUsage,                // the whole --help text
  kConsoleVersion,              // {1} the version
  kConsoleUnknownOption,        // {1} the option as typed
  kConsoleMatrixWithChemistry,  // --matrix and --chemistry together
  kConsoleWhere,                // before a message about one equation: {1} which
  kConsoleNotUtf8,              // a line or argument that is not UTF-8
  kConsoleSkipped,              // after why an equation was not answered
  kConsoleNoWebPage,            // --web, and the page is neither installed nor built

  // The window's texts (both toolkits), the CPU line, the second-instance box.
  // The default mode's texts are fixed: tests compare them.
  kWindowCaption,
  kWindowChemistryCaption,   // the caption while the chemistry mode answers
  kWindowChemistryMenuItem,  // the checkable item of Text1's right-click menu
  kWindowHintConditions,     // Label3
  kWindowHintCase,           // Label4
  kWindowHintSubscripts,     // Label6
  kWindowEquationCaption,    // Label1, before the equation
  kWindowResultCaption,      // Label2, before the result
  kWindowMaker,              // Label5
  kWindowBalanceButton,      // Command1
  kWindowMatrixInitial,      // Text2 until the first balance
  kWindowBalancing,          // Text3 while a balance runs
  kBalanceFailure,           // any failed balance of the default reading (window and console)
  kWindowChemistryFailure,   // a failed balance in the chemistry mode: {1} why
  kWindowAlreadyRunningTitle,
  kWindowAlreadyRunningText,
  kWindowOkButton,   // the box's one button
  kCpuUsage,         // Label7: {1} the reading in whole percent
  kCpuUsageUnknown,  // Label7 before the first reading

  // Label3, Label4, Label6 while the chemistry mode answers: what it reads.
  kWindowChemistryHintConditions,
  kWindowChemistryHintCase,
  kWindowChemistryHintSubscripts,
  kWindowGivenCaption,      // Label8, before the given amounts in the 详解 pane
  kWindowGivenNeedsAnswer,  // amounts given before any equation was balanced

  // The edit items of Text1's right-click menu where the toolkit has none of
  // its own to offer (Win32); "&" marks the access key.
  kEditUndo,
  kEditCut,
  kEditCopy,
  kEditPaste,
  kEditDelete,
  kEditSelectAll,
  kNoDisplay,  // instead of the window when no display answers

  // Why an equation cannot be read or balanced (the chemistry library's reasons).
  // The pieces that reasons are made of.
  kReasonAt,                   // where: {1} the character's position
  kReasonQuoted,               // {1} the text as typed
  kReasonCodePoint,            // a control character: {1} its U+XXXX name
  kReasonTheEnd,               // the end of the line, where a text was expected
  kReasonPositive,             // a charge's sign
  kReasonNegative,             // a charge's sign
  kReasonListSeparator,        // between the names of a list
  kReasonPartSeparator,        // between the parts of one reason
  kReasonReactants,            // a side
  kReasonProducts,             // a side
  kReasonExpectFormula,        // what a reading fault expected
  kReasonExpectSignOrArrow,    // what a reading fault expected
  kReasonPlusReadAsCharge,     // {1} where the "+" is, {2} the species that took it
  kReasonStartsWithCapital,    // after an unknown symbol that starts small
  kReasonOrTheCharge,          // no coefficients balance, and a species is charged
  kReasonOneOnlyAmong,         // {1} one element, {2} its side
  kReasonManyOnlyAmong,        // {1} the elements, {2} their side
  kReasonChargeOnlyAmong,      // {1} the sign, {2} the side
  kReasonChargesCannotCancel,  // {1} the reactants' sign, {2} the products'
  kReasonZeroOnlyOne,          // {1} one species
  kReasonUnexpectedEnd,        // {1} where, {2} what was expected
  // One line per reason kind, in ReasonKind's order.
  kReasonInvalidUtf8,  // {1} the byte
  kReasonEmpty,
  kReasonTooLong,         // {1} the limit
  kReasonTooManySpecies,  // {1} the limit
  kReasonNoArrow,
  kReasonSecondArrow,          // {1} the arrow, {2} where
  kReasonNoReactants,          // {1} the arrow, {2} where
  kReasonNothingBeforePlus,    // {1} where
  kReasonNoProducts,           // {1} the arrow, {2} where
  kReasonNothingAfterSign,     // {1} the sign, {2} where
  kReasonUnexpected,           // {1} the text, {2} where, {3} what was expected
  kReasonZeroCoefficient,      // {1} where
  kReasonCoefficientAlone,     // {1} where
  kReasonBadElectron,          // {1} where
  kReasonUnknownElement,       // {1} the symbol, {2} where, {3} kReasonStartsWithCapital or nothing
  kReasonNestedTooDeep,        // {1} the limit, {2} where
  kReasonClosesNothing,        // {1} the bracket, {2} where
  kReasonMismatchedBracket,    // {1} the closing bracket, {2} where, {3} the opening one, {4} where
  kReasonEmptyGroup,           // {1} where
  kReasonNeverClosed,          // {1} the bracket, {2} where
  kReasonNothingBeforeDot,     // {1} where, {2} the dot
  kReasonNothingAfterDot,      // {1} where, {2} the dot
  kReasonDotInGroup,           // {1} where, {2} the dot
  kReasonCountWithoutFormula,  // {1} where
  kReasonNoCharge,             // {1} the text, {2} where
  kReasonUnsignedCharge,       // {1} where
  kReasonZeroCount,            // {1} where
  kReasonZeroCharge,           // {1} where
  kReasonLongCount,            // {1} where, {2} the limit
  kReasonLongCharge,           // {1} where, {2} the limit
  kReasonSecondCoefficient,    // {1} where
  kReasonCountAfterOxidation,  // {1} where, {2} the oxidation state, {3} where it is
  kReasonSubscriptThenDigits,  // {1} the digits, {2} where
  kReasonMisplacedFraction,    // {1} the fraction, {2} where
  kReasonLabelledIsotope,      // {1} where, {2} D or T
  kReasonNoSuchIsotope,        // {1} the mass number, {2} where, {3} the element
  kReasonNoCoefficients,       // {1} kReasonOrTheCharge or nothing
  kReasonZeroOnly,             // {1} the species
  kReasonNoPositive,           // {1} the species
  kReasonSeveral,              // {1} how many
  kReasonTooLarge,             // {1} the limit in seconds

  // Reasons for textbook notation.
  kReasonConditionWithoutSign,  // {1} the condition quoted, {2} where, {3} the condition as typed
  kReasonLikelyFormula,         // after a reason: {1} the formula the writer most likely meant
  kReasonEnthalpyUnread,        // {1} the ΔH term quoted, {2} where
  kReasonEnthalpyWithoutEquation,  // {1} the ΔH term quoted, {2} where
  kReasonEnthalpyUnbalanced,       // {1} the equation balanced, {2} the ΔH term
  kReasonBondOrSign,               // {1} where, {2} the formula that holds the "="

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
  kDetailsChanges,               // the heading of the bridges' lines
  kDetailsOxidizingAgent,        // {1} formulas
  kDetailsReducingAgent,         // {1} formulas
  kDetailsOxidationProduct,      // {1} formulas
  kDetailsReductionProduct,      // {1} formulas
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
  kDetailsIonicNoBasicType,      // a reaction type: ions or electrons take part

  // Names of substances.
  kReasonUnknownName,    // {1} the name quoted, {2} where, {3} kReasonDidYouMean or nothing
  kReasonDidYouMean,     // {1} the known names close to it, each quoted
  kReasonAmbiguousName,  // {1} the name quoted, {2} where, {3} the formulas it may mean

  // The notes of an answer (quorvel/chemistry/note.h).
  kNoteChargeRead,        // {1} as typed, {2} the formula, {3} the charge
  kNoteChargeReadOther,   // as kNoteChargeRead; {4} the other formula, {5} its charge, {6} its
                          // spelling
  kNoteChargeNotIsotope,  // {1} as typed, {2} the symbol, {3} the charge's size
  kNoteNamesRead,         // {1} the names and their formulas
  kNoteTypedKept,         // {1} the number of independent reactions
  kNoteLikelyFormula,     // {1} the formula meant, {2} the one typed, {3} the answer with it
  kNoteLeadingCount,      // {1} the count, {2} the formula, {3} the part it leads
  kNoteOxidationCountsNoAtoms,  // {1} the formula with its oxidation state
  kNoteOxidationStateIon,       // {1} as typed, {2} the charge's size
  kNoteBalancesLeavingOneOut,   // {1} the answer without it
  kNoteBalancesLeavingSomeOut,  // {1} the answer without them
  kNoteBalancesOtherSide,       // {1} the species moved, {2} the answer
  kNoteFirstReactionsListed,    // {1} how many are listed, {2} how many there are
  kNoteMixtureRead,             // {1} the name, {2} the formula of its main substance
  kNotePolymerRead,             // {1} the name, {2} the formula of its unit
  // The web page's own texts, beside the window's that it shares.
  kPageGivenCaption,    // before the box of given amounts
  kPageGivenHint,       // how to write given amounts
  kPageDetailsCaption,  // the heading of the details
  kPageBridgesCaption,  // the heading of the electron bridges' drawing
  kPageHint,            // what the equation box reads
  kPageLoading,         // until the library has started
  kPageNotStarted,      // the library could not start: {1} why, as the browser says
  kPageNeedsScript,     // a browser that runs no scripts
  // The 双线桥 drawing (both windows, the console's SVG).
  kDrawingLost,               // a 失去 bridge's electrons: {1} 2×2e⁻
  kDrawingGained,             // a 得到 bridge's electrons: {1} 1×3e⁻
  kDrawingRises,              // after a 失去 bridge's electrons
  kDrawingFalls,              // after a 得到 bridge's electrons
  kDrawingLabelJoin,          // between a label's electrons and what follows them
  kDrawingName,               // the drawing's accessible name: {1} the balanced equation
  kDrawingCopyImage,          // the drawing's right-click item
  kConsoleBridgeNeedsOne,     // --bridge-svg without exactly one equation argument
  kConsoleBridgeNotDrawn,     // --bridge-svg for an answer with no bridges: {1} why
  kConsoleBridgeCannotWrite,  // {1} the file

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
