// Every text in English.

#include "../src/table.h"

namespace quorvel::messages::detail {

constexpr Table kEnglish = MakeTable({
    // The console.
    {Message::kConsoleLine, "line {1}"},
    {Message::kConsoleArgument, "equation argument {1}"},
    {Message::kConsoleReaction, "reaction {1}: "},
    {Message::kConsoleNote, "note: "},
    {Message::kConsoleUsage,
     "Usage: quorvel-cli [--matrix] [--json] [EQUATION ...]\n"
     "       quorvel-cli --chemistry [--json] [--details] [--given SPECIES=AMOUNT ...]\n"
     "                   [EQUATION ...]\n"
     "       quorvel-cli --chemistry --bridge-svg FILE EQUATION\n"
     "Balances chemical equations such as \"H2 + O2 = H2O\".\n"
     "With no EQUATION, reads one equation per line from standard input.\n"
     "\n"
     "  --matrix   print the composition matrix after each result\n"
     "  --json     print one JSON object per equation\n"
     "  --help     show this help\n"
     "  --version  show the version\n"
     "  --web      print where the web page quorvel.html is, to open in a browser\n"
     "  --chemistry  read chemistry's own notation and balance exactly (below)\n"
     "\n"
     "With --chemistry: subscripts and coefficients of any size; nested groups\n"
     "( ) [ ] { }; hydrates CuSO4·5H2O; charges Fe^3+, Fe3+, Fe+3, SO4^2-, OH-,\n"
     "Fe³⁺ and the electron e-; H₂O; state marks (s) (l) (g) (aq); the sides\n"
     "joined by = -> → ⟶ ⇌ <=> or <->. Textbook notation too: SO42- (SO4 with\n"
     "charge 2-), notes in brackets H2SO4(浓), conditions =点燃= ===△=== →(催化剂)\n"
     "-MnO2->, electrode reactions Zn - 2e- = Zn2+ with labels 负极：, fractions\n"
     "1/2O2, and names such as 高锰酸钾. Each equation gives its balanced form or\n"
     "an empty line; why it does not balance, its independent reactions and notes\n"
     "go to standard error, in Chinese when the user's language is Chinese.\n"
     "--json gives the keys input, result, enthalpy (a thermochemical equation's\n"
     "ΔH as typed), ok, coefficients, error (always in\n"
     "English), reason (a stable name for the kind of failure), notes, reactions\n"
     "and default_reading_differences (where the default mode reads it otherwise).\n"
     "A line longer than 512 KiB is refused unread (reason too_long), and so is an\n"
     "equation whose exact arithmetic takes more than 1 s (too_large).\n"
     "--details adds, after each balanced equation, the relative and molar masses,\n"
     "the mass ratio, oxidation states, the reaction's type and the electrons moved\n"
     "(the \"details\" key with --json); --given KMnO4=31.6g (g, kg, mg or mol,\n"
     "repeatable) adds the amounts that react, the limiting reactant and what is\n"
     "left over.\n"
     "--bridge-svg FILE draws the equation's electron bridges (双线桥) into FILE as\n"
     "an SVG; an answer that is not a redox reaction draws nothing (status 2).\n"
     "  quorvel-cli --chemistry \"C12H22O11 + O2 = CO2 + H2O\"\n"
     "    C12H22O11 + 12O2 = 12CO2 + 11H2O\n"
     "  quorvel-cli --chemistry \"MnO4- + Fe^2+ + H+ -> Mn^2+ + Fe^3+ + H2O\"\n"
     "    MnO4- + 5Fe^2+ + 8H+ -> Mn^2+ + 5Fe^3+ + 4H2O\n"
     "\n"
     "Exit status: 0 when every equation balanced, 1 when any failed,\n"
     "2 for a usage error or input that is not valid UTF-8.\n"},
    {Message::kConsoleVersion, "quorvel-cli {1}"},
    {Message::kConsoleUnknownOption, "quorvel-cli: unknown option {1}"},
    {Message::kConsoleMatrixWithChemistry, "quorvel-cli: --matrix has no meaning with --chemistry"},
    {Message::kConsoleWhere, "quorvel-cli: {1}: "},
    {Message::kConsoleNotUtf8, "not valid UTF-8"},
    {Message::kConsoleSkipped, "{1}; equation skipped"},
    {Message::kConsoleNoWebPage, "quorvel-cli: the web page is not installed (make web builds it)"},

    // The window, the CPU line, the second-instance box, the edit menu.
    {Message::kWindowCaption, "Quorvel1.2"},
    {Message::kWindowChemistryCaption, "Quorvel1.2 - chemistry notation"},
    {Message::kWindowChemistryMenuItem, "Chemistry notation (multi-digit subscripts, ions)"},
    {Message::kWindowHintConditions,
     "To avoid errors, leave out every reaction condition, gas and precipitate mark, state and "
     "amount."},
    {Message::kWindowHintCase,
     "Mind the case of the elements: a symbol in the wrong case is not recognised. Write no "
     "coefficients at all!"},
    {Message::kWindowHintSubscripts,
     "Subscripts need no special writing: type their digits. Join the reactants and the products "
     "with an equals sign."},
    {Message::kWindowChemistryHintConditions,
     "Chemistry notation: conditions such as =点燃= or =△=, gas ↑ and precipitate ↓, states and "
     "浓/稀 may be written."},
    {Message::kWindowChemistryHintCase,
     "Mind the case of the elements; an ion's charge goes at its end, as in SO42- or Fe3+; "
     "coefficients are optional."},
    {Message::kWindowChemistryHintSubscripts,
     "Type subscripts as digits, several if need be; names such as 高锰酸钾 may stand for "
     "formulas. Join both sides with an equals sign."},
    {Message::kWindowGivenCaption, "Given:"},
    {Message::kWindowGivenNeedsAnswer, "Balance an equation first, then give the amounts."},
    {Message::kWindowEquationCaption, "Equation:"},
    {Message::kWindowResultCaption, "Result:"},
    {Message::kWindowMaker, "A Dravik product"},
    {Message::kWindowBalanceButton, "Balance"},
    {Message::kWindowMatrixInitial, "Matrix"},
    {Message::kWindowBalancing, "Balancing; how long it takes depends on the computer......"},
    {Message::kBalanceFailure,
     "Balancing failed! The input may be wrong, or the equation too complex!"},
    {Message::kWindowChemistryFailure, "Balancing failed! {1}"},
    {Message::kWindowAlreadyRunningTitle, "Initialisation failed"},
    {Message::kWindowAlreadyRunningText,
     "The program is running already! It cannot run twice: close it, or end it in the Task "
     "Manager, before running it again!"},
    {Message::kWindowOkButton, "OK"},
    {Message::kCpuUsage, "Total CPU usage of the system: {1} %"},
    {Message::kCpuUsageUnknown, "Total CPU usage of the system: unknown"},
    {Message::kEditUndo, "&Undo"},
    {Message::kEditCut, "Cu&t"},
    {Message::kEditCopy, "&Copy"},
    {Message::kEditPaste, "&Paste"},
    {Message::kEditDelete, "&Delete"},
    {Message::kEditSelectAll, "Select &All"},
    {Message::kNoDisplay,
     "quorvel: no graphical display is available (no X11 or Wayland server); use the console front "
     "end quorvel-cli instead."},

    // Why an equation cannot be read or balanced: the pieces, then one line a kind.
    {Message::kReasonAt, "at position {1}"},
    {Message::kReasonQuoted, "\"{1}\""},
    {Message::kReasonCodePoint, "{1}"},
    {Message::kReasonTheEnd, "the end"},
    {Message::kReasonPositive, "positive"},
    {Message::kReasonNegative, "negative"},
    {Message::kReasonListSeparator, ", "},
    {Message::kReasonPartSeparator, "; "},
    {Message::kReasonReactants, "reactants"},
    {Message::kReasonProducts, "products"},
    {Message::kReasonExpectFormula, "a formula"},
    {Message::kReasonExpectSignOrArrow, "\"+\" or an arrow"},
    {Message::kReasonPlusReadAsCharge, " (the \"+\" {1} was read as the charge of {2})"},
    {Message::kReasonStartsWithCapital, ": a symbol starts with a capital letter"},
    {Message::kReasonOrTheCharge, " or the charge"},
    {Message::kReasonOneOnlyAmong, "{1} appears only among the {2}"},
    {Message::kReasonManyOnlyAmong, "{1} appear only among the {2}"},
    {Message::kReasonChargeOnlyAmong, "{1} charge appears only among the {2}"},
    {Message::kReasonChargesCannotCancel,
     "the reactants carry only {1} charge and the products only {2} charge"},
    {Message::kReasonZeroOnlyOne, "it balances only if {1} gets the coefficient 0"},
    {Message::kReasonUnexpectedEnd, "unexpected the end {1}: expected {2}"},
    {Message::kReasonInvalidUtf8, "not valid UTF-8 at byte {1}"},
    {Message::kReasonEmpty, "the equation is empty"},
    {Message::kReasonTooLong, "the equation is longer than {1} bytes"},
    {Message::kReasonTooManySpecies, "more than {1} species"},
    {Message::kReasonNoArrow, "no \"=\" or arrow between the reactants and the products"},
    {Message::kReasonSecondArrow, "a second arrow {1} {2}: an equation has one"},
    {Message::kReasonNoReactants, "no reactants before {1} {2}"},
    {Message::kReasonNothingBeforePlus, "nothing before \"+\" {1}"},
    {Message::kReasonNoProducts, "no products after {1} {2}"},
    {Message::kReasonNothingAfterSign, "nothing after {1} {2}"},
    {Message::kReasonUnexpected, "unexpected {1} {2}: expected {3}"},
    {Message::kReasonZeroCoefficient, "a coefficient of 0 {1}"},
    {Message::kReasonCoefficientAlone, "the coefficient {1} stands before no formula"},
    {Message::kReasonBadElectron, "the electron {1} is written e-, e^- or e⁻"},
    {Message::kReasonUnknownElement, "unknown element symbol \"{1}\" {2}{3}"},
    {Message::kReasonNestedTooDeep, "groups nested more than {1} deep {2}"},
    {Message::kReasonClosesNothing, "{1} {2} closes nothing"},
    {Message::kReasonMismatchedBracket, "{1} {2} does not close {3} {4}"},
    {Message::kReasonEmptyGroup, "empty group {1}"},
    {Message::kReasonNeverClosed, "{1} {2} is never closed"},
    {Message::kReasonNothingBeforeDot, "nothing before the adduct dot {1}"},
    {Message::kReasonNothingAfterDot, "nothing after the adduct dot {1}"},
    {Message::kReasonDotInGroup, "an adduct dot inside a group {1}"},
    {Message::kReasonCountWithoutFormula, "the count {1} follows no element or group"},
    {Message::kReasonNoCharge, "{1} {2} starts no charge: write it like ^2+, ^- or {3+}"},
    {Message::kReasonUnsignedCharge,
     "the superscript charge {1} has no sign: write it like ²⁺ or ²⁻"},
    {Message::kReasonZeroCount, "a count of 0 {1}"},
    {Message::kReasonZeroCharge, "a charge of 0 {1}"},
    {Message::kReasonLongCount, "the count {1} has more than {2} digits"},
    {Message::kReasonLongCharge, "the charge {1} has more than {2} digits"},
    {Message::kReasonSecondCoefficient,
     "the number {1} stands before a formula that has a coefficient already: write one number"},
    {Message::kReasonCountAfterOxidation,
     "the count {1} follows the oxidation state {2} {3}, which counts no atoms: write the count "
     "right after the symbol"},
    {Message::kReasonSubscriptThenDigits,
     "the digits {1} {2} follow a subscript: write a count all in subscripts (O₂) or all in digits "
     "(O2), and a charge after it as ²⁻ or ^2-"},
    {Message::kReasonMisplacedFraction,
     "the fraction {1} {2} counts a whole part only: write it after an adduct dot (CaSO4·½H2O) or "
     "before the formula as its coefficient"},
    {Message::kReasonLabelledIsotope,
     "the mass number {1} labels {2}, which has its own: write {2} alone, or ^2H or ^3H"},
    {Message::kReasonNoSuchIsotope,
     "the mass number {1} {2} is no isotope of {3}: a mass number is at least the atomic number, "
     "as in ¹⁴C or [14C]"},
    {Message::kReasonNoCoefficients,
     "no coefficients balance it: every choice leaves an element{1} unbalanced"},
    {Message::kReasonZeroOnly, "it balances only if {1} get the coefficient 0"},
    {Message::kReasonNoPositive,
     "no positive coefficients balance it: it balances only with {1} on the other side"},
    {Message::kReasonSeveral,
     "it balances in more than one way: it combines {1} independent reactions"},
    {Message::kReasonTooLarge,
     "too large to balance: the exact arithmetic did not finish within the time limit of {1} s"},
    {Message::kReasonConditionWithoutSign,
     "the condition {1} {2} stands without \"=\" or an arrow: write it between two signs, as in "
     "={3}= or →({3})"},
    {Message::kReasonLikelyFormula, "; did you mean {1}?"},
    {Message::kReasonEnthalpyUnread,
     "the ΔH term {1} {2} is not read: write it after the equation as ΔH = -571.6 kJ/mol, or "
     "ΔH < 0"},
    {Message::kReasonEnthalpyWithoutEquation,
     "the ΔH term {1} {2} stands before the equation is complete: write it after the products, "
     "as in 2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol"},
    {Message::kReasonEnthalpyUnbalanced,
     "the coefficients of a thermochemical equation go with its ΔH, and the ones written do not "
     "balance it (balanced, it reads {1}): write the coefficients that {2} belongs to"},
    {Message::kReasonBondOrSign,
     "the \"=\" {1} stands inside {2}, and \"=\" also joins the sides: for a double bond, join "
     "the sides with an arrow (→); otherwise write spaces around the sign"},
    // Names of substances.
    {Message::kReasonUnknownName, "unknown name {1} {2}{3}"},
    {Message::kReasonDidYouMean, "; did you mean {1}?"},
    {Message::kReasonAmbiguousName,
     "the name {1} {2} means more than one substance ({3}): write the formula"},
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
    {Message::kDetailsNoRedox, "not a redox reaction: no oxidation state changes"},
    {Message::kDetailsChanges, "oxidation state changes:"},
    {Message::kDetailsOxidizingAgent, "oxidizing agent: {1}"},
    {Message::kDetailsReducingAgent, "reducing agent: {1}"},
    {Message::kDetailsOxidationProduct, "oxidation product: {1}"},
    {Message::kDetailsReductionProduct, "reduction product: {1}"},
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
    {Message::kGivenMalformed, "{1}: write SPECIES=AMOUNT, e.g. KMnO4=31.6g"},
    {Message::kGivenUnknownUnit, "{1}: the unit must be g, kg, mg or mol"},
    {Message::kGivenNotPositive, "{1}: the amount must be more than 0"},
    {Message::kGivenUnknownSpecies, "{1}: no species of the equation is {1}"},
    {Message::kGivenTwice, "{1}: given twice"},
    {Message::kGivenProductAmongOthers, "{1}: a product can only be given alone"},
    {Message::kDetailsIonicNoBasicType,
     "an ionic equation or electrode reaction: the four basic types do not apply"},
    // The notes of an answer.
    {Message::kNoteChargeRead, "{1} is read as {2} with charge {3}"},
    {Message::kNoteChargeReadOther,
     "{1} is read as {2} with charge {3}; for {4} with charge {5}, write {6}"},
    {Message::kNoteChargeNotIsotope,
     "{1} is read as {2} with charge {3}-; for the isotope, write ^{3}{2} or [{3}{2}]"},
    {Message::kNoteNamesRead, "names read as formulas: {1}"},
    {Message::kNoteTypedKept,
     "the coefficients as written balance it and are kept; other combinations balance too, as it "
     "combines {1} independent reactions"},
    {Message::kNoteLikelyFormula, "did you mean {1} for {2}? With {1} it balances as {3}"},
    {Message::kNoteLeadingCount,
     "the {1} in {2} counts the part it leads; for {1} of {3}, write {1} {3}"},
    {Message::kNoteOxidationCountsNoAtoms, "the oxidation state in {1} counts no atoms"},
    {Message::kNoteOxidationStateIon,
     "{1} is read as an oxidation state, the ion with charge {2}+; to count iodine or vanadium "
     "atoms, leave out the parentheses"},
    {Message::kNoteBalancesLeavingOneOut, "leaving it out, it balances as {1}"},
    {Message::kNoteBalancesLeavingSomeOut, "leaving them out, it balances as {1}"},
    {Message::kNoteBalancesOtherSide, "with {1} on the other side it balances as {2}"},
    {Message::kNoteFirstReactionsListed,
     "the first {1} of the {2} independent reactions are listed"},
    {Message::kNoteMixtureRead, "{1} is a mixture or solution, read as its main substance {2}"},
    {Message::kNotePolymerRead, "{1} is ({2})n, balanced here per unit {2}"},
    // The web page.
    {Message::kPageGivenCaption, "Given:"},
    {Message::kPageGivenHint,
     "e.g. KMnO4 31.6g; several amounts split by commas; units g, kg, mg or mol"},
    {Message::kPageDetailsCaption, "Details"},
    {Message::kPageBridgesCaption, "Electron bridges"},
    {Message::kPageHint,
     "Type chemistry's notation: counts of any size C12H22O11, groups Ca3(PO4)2, hydrates "
     "CuSO4·5H2O, ions Fe^3+, conditions =△=, or the names of substances."},
    {Message::kPageLoading, "Loading…"},
    {Message::kPageNotStarted, "The balancer could not start: {1}"},
    {Message::kPageNeedsScript, "This page needs a browser that runs scripts."},
    // The 双线桥 drawing.
    {Message::kDrawingLost, "loses {1}"},
    {Message::kDrawingGained, "gains {1}"},
    {Message::kDrawingRises, "state rises, oxidised"},
    {Message::kDrawingFalls, "state falls, reduced"},
    {Message::kDrawingLabelJoin, ", "},
    {Message::kDrawingName, "electron bridges of {1}"},
    {Message::kDrawingCopyImage, "Copy image"},
    {Message::kConsoleBridgeNeedsOne,
     "quorvel-cli: --bridge-svg draws exactly one EQUATION argument"},
    {Message::kConsoleBridgeNotDrawn,
     "quorvel-cli: --bridge-svg: {1}, so there are no bridges to draw"},
    {Message::kConsoleBridgeCannotWrite, "quorvel-cli: --bridge-svg: cannot write {1}"},
});

}  // namespace quorvel::messages::detail
