// Every text in English.

#include "../src/table.h"

namespace quorvel::messages::detail {

constexpr Table kEnglish = MakeTable({
    // The console.
    {Message::kConsoleLine, "line {1}"},
    {Message::kConsoleArgument, "equation argument {1}"},
    {Message::kConsoleReaction, "reaction {1}: "},
    {Message::kConsoleNote, "note: "},
    // The details of an answer.
    {Message::kDetailsRelativeMasses, "relative formula masses: {1}"},
    {Message::kDetailsMolarMasses, "molar masses (g/mol): {1}"},
    {Message::kDetailsSpeciesValue, "{1} {2}"},
    {Message::kDetailsMassRatio, "mass ratio: {1}"},
    {Message::kDetailsStates, "oxidation states: {1}"},
    {Message::kDetailsStatesOfSpecies, "{1} {2}"},
    {Message::kDetailsStateUndecided, "{1} undecided"},
    {Message::kDetailsListSeparator, ", "},
    {Message::kDetailsGroupSeparator, "; "},
    {Message::kDetailsAlternativeSeparator, " and "},
    {Message::kDetailsReactionType, "reaction type: {1}"},
    {Message::kDetailsCombination, "combination"},
    {Message::kDetailsDecomposition, "decomposition"},
    {Message::kDetailsSingleDisplacement, "single displacement"},
    {Message::kDetailsDoubleDisplacement, "double displacement"},
    {Message::kDetailsNeutralization, "double displacement (neutralization)"},
    {Message::kDetailsNoBasicType, "none of the four basic types"},
    {Message::kDetailsNoRedox, "no oxidation state changes: not a redox reaction"},
    {Message::kDetailsAgents, "oxidizing agent: {1}; reducing agent: {2}"},
    {Message::kDetailsRedoxProducts, "oxidation product: {1}; reduction product: {2}"},
    {Message::kDetailsNone, "none"},
    {Message::kDetailsGained, "{1}: {2} → {3} ({4} → {5}), gains {6}, state falls, reduced"},
    {Message::kDetailsLost, "{1}: {2} → {3} ({4} → {5}), loses {6}, state rises, oxidised"},
    {Message::kDetailsElectrons, "electrons transferred: {1}"},
    {Message::kDetailsAmount, "{1}: {2} mol, {3} g"},
    {Message::kDetailsAmounts, "amounts that react and form:"},
    {Message::kDetailsLimiting, "{1} is used up first"},
    {Message::kDetailsLeftOver, "{1} left over: {2} g"},
    {Message::kDetailsNoteOutsideExamTable,
     "{1} is not in the exam table of relative atomic masses: its standard atomic weight rounded "
     "to one decimal is used"},
    {Message::kDetailsNoteIsotopeMass, "the molar mass of {1} counts its mass number"},
    {Message::kDetailsNoteUndecided, "the oxidation state of {1} in {2} cannot be decided"},
    {Message::kDetailsNoteRedoxUndecided,
     "electron transfer not worked out: an oxidation state cannot be decided"},
    {Message::kGivenMalformed, "--given {1}: write SPECIES=AMOUNT, e.g. KMnO4=31.6g"},
    {Message::kGivenUnknownUnit, "--given {1}: the unit must be g, kg, mg or mol"},
    {Message::kGivenNotPositive, "--given {1}: the amount must be more than 0"},
    {Message::kGivenUnknownSpecies, "--given {1}: no species of the equation is {1}"},
    {Message::kGivenTwice, "--given {1}: given twice"},
    {Message::kGivenProductAmongOthers, "--given {1}: a product can only be given alone"},
});

}  // namespace quorvel::messages::detail
