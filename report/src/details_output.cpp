// The details told: labelled lines in the user's language and the JSON object.
#include <algorithm>
#include <vector>

#include "quorvel/drawing/bridges.h"
#include "quorvel/report/details.h"

namespace {

using quorvel::chemistry::Bridge;
using quorvel::chemistry::DetailNote;
using quorvel::chemistry::DetailNoteKind;
using quorvel::chemistry::Details;
using quorvel::chemistry::FormatDecimal;
using quorvel::chemistry::FormatState;
using quorvel::chemistry::GivenError;
using quorvel::chemistry::Rational;
using quorvel::chemistry::ReactionType;
using quorvel::chemistry::SpeciesDetails;
using quorvel::messages::Format;
using quorvel::messages::Language;
using quorvel::messages::Message;

constexpr int kMolarMassDecimals = 3;

std::string Join(const std::vector<std::string>& items, std::string_view separator) {
  std::string out;
  for (const std::string& item : items) {
    if (!out.empty()) out += separator;
    out += item;
  }
  return out;
}

std::string Formulas(const Details& details, const std::vector<std::size_t>& indices,
                     Language language) {
  if (indices.empty()) return Format(Message::kDetailsNone, language);
  std::vector<std::string> names;
  for (const std::size_t i : indices) names.push_back(details.species[i].formula);
  return Join(names, Format(Message::kDetailsAlternativeSeparator, language));
}

std::string StatesText(const SpeciesDetails& species, Language language) {
  if (species.oxidation_states.empty()) {
    return Format(Message::kDetailsStateUndecided, language, {species.formula});
  }
  std::vector<std::string> elements;
  for (const auto& element : species.oxidation_states) {
    std::vector<std::string> states;
    for (const Rational& state : element.states) states.push_back(FormatState(state));
    elements.push_back(element.symbol + " " +
                       Join(states, Format(Message::kDetailsAlternativeSeparator, language)));
  }
  return Format(
      Message::kDetailsStatesOfSpecies, language,
      {species.formula, Join(elements, Format(Message::kDetailsListSeparator, language))});
}

Message TypeMessage(const Details& details) {
  switch (details.reaction_type) {
    case ReactionType::kCombination:
      return Message::kDetailsCombination;
    case ReactionType::kDecomposition:
      return Message::kDetailsDecomposition;
    case ReactionType::kSingleDisplacement:
      return Message::kDetailsSingleDisplacement;
    case ReactionType::kDoubleDisplacement:
      return details.neutralization ? Message::kDetailsNeutralization
                                    : Message::kDetailsDoubleDisplacement;
    case ReactionType::kNone:
      break;
  }
  return details.ionic ? Message::kDetailsIonicNoBasicType : Message::kDetailsNoBasicType;
}

std::string NoteText(const Details& details, const DetailNote& note, Language language) {
  switch (note.kind) {
    case DetailNoteKind::kOutsideExamTable:
      return Format(Message::kDetailsNoteOutsideExamTable, language, {note.symbol});
    case DetailNoteKind::kIsotopeMassNumber:
      return Format(Message::kDetailsNoteIsotopeMass, language, {note.symbol});
    case DetailNoteKind::kUndecidedState:
      return Format(Message::kDetailsNoteUndecided, language,
                    {note.symbol, details.species[note.species].formula});
    case DetailNoteKind::kRedoxUndecided:
      break;
  }
  return Format(Message::kDetailsNoteRedoxUndecided, language);
}

void AddRedox(std::vector<std::string>& lines, const Details& details, Language language) {
  if (!details.redox) {
    const bool undecided = std::any_of(
        details.notes.begin(), details.notes.end(),
        [](const DetailNote& note) { return note.kind == DetailNoteKind::kRedoxUndecided; });
    if (!undecided) lines.push_back(Format(Message::kDetailsNoRedox, language));
    return;
  }
  const auto& redox = *details.redox;
  lines.push_back(Format(Message::kDetailsChanges, language));
  for (const Bridge& bridge : redox.changes) {
    lines.push_back(quorvel::drawing::BridgeLine(details, bridge, language));
  }
  const std::pair<Message, const std::vector<std::size_t>*> roles[] = {
      {Message::kDetailsOxidizingAgent, &redox.oxidizing_agents},
      {Message::kDetailsReducingAgent, &redox.reducing_agents},
      {Message::kDetailsOxidationProduct, &redox.oxidation_products},
      {Message::kDetailsReductionProduct, &redox.reduction_products}};
  for (const auto& [message, indices] : roles) {
    lines.push_back(Format(message, language, {Formulas(details, *indices, language)}));
  }
  lines.push_back(
      Format(Message::kDetailsElectrons, language, {FormatDecimal(redox.electrons) + "e⁻"}));
}

void AddAmounts(std::vector<std::string>& lines, const Details& details, Language language) {
  if (!details.amounts) return;
  const auto& amounts = *details.amounts;
  const int decimals = amounts.mass_decimals;
  lines.push_back(Format(Message::kDetailsAmounts, language));
  for (const auto& amount : amounts.amounts) {
    lines.push_back(Format(Message::kDetailsAmount, language,
                           {details.species[amount.species].formula, FormatDecimal(amount.moles),
                            FormatDecimal(amount.mass, decimals)}));
  }
  if (amounts.limiting) {
    lines.push_back(
        Format(Message::kDetailsLimiting, language, {details.species[*amounts.limiting].formula}));
  }
  for (const auto& left : amounts.left_over) {
    lines.push_back(
        Format(Message::kDetailsLeftOver, language,
               {details.species[left.species].formula, FormatDecimal(left.mass, decimals)}));
  }
}

nlohmann::ordered_json IndicesJson(const Details& details, const std::vector<std::size_t>& list) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const std::size_t i : list) out.push_back(details.species[i].formula);
  return out;
}

// Exact where the value ends within twelve decimals.
std::string Exact(const Rational& value) { return FormatDecimal(value, 12); }

constexpr const char* TypeKey(ReactionType type) {
  switch (type) {
    case ReactionType::kCombination:
      return "combination";
    case ReactionType::kDecomposition:
      return "decomposition";
    case ReactionType::kSingleDisplacement:
      return "single_displacement";
    case ReactionType::kDoubleDisplacement:
      return "double_displacement";
    case ReactionType::kNone:
      break;
  }
  return nullptr;
}

constexpr const char* NoteKey(DetailNoteKind kind) {
  switch (kind) {
    case DetailNoteKind::kOutsideExamTable:
      return "outside_exam_table";
    case DetailNoteKind::kIsotopeMassNumber:
      return "isotope_mass_number";
    case DetailNoteKind::kUndecidedState:
      return "undecided_state";
    case DetailNoteKind::kRedoxUndecided:
      break;
  }
  return "redox_undecided";
}

}  // namespace

namespace quorvel::report {

std::vector<std::string> DetailsLines(const Details& details, Language language) {
  std::vector<std::string> relative;
  std::vector<std::string> molar;
  std::vector<std::string> ratio;
  std::vector<std::string> states;
  for (const SpeciesDetails& species : details.species) {
    // The name beside the formula, where the first line introduces each species.
    const std::string named = species.name ? Format(Message::kDetailsSpeciesValue, language,
                                                    {species.formula, *species.name})
                                           : species.formula;
    relative.push_back(Format(Message::kDetailsSpeciesValue, language,
                              {named, FormatDecimal(species.relative_mass)}));
    molar.push_back(
        Format(Message::kDetailsSpeciesValue, language,
               {species.formula, FormatDecimal(species.molar_mass, kMolarMassDecimals, false)}));
    if (!species.oxidation_states.empty() || species.relative_mass != 0) {
      states.push_back(StatesText(species, language));
    }
  }
  for (const Rational& part : details.mass_ratio) ratio.push_back(FormatDecimal(part));
  const std::string list = Format(Message::kDetailsListSeparator, language);
  std::vector<std::string> lines = {
      Format(Message::kDetailsRelativeMasses, language, {Join(relative, list)}),
      Format(Message::kDetailsMolarMasses, language, {Join(molar, list)}),
      Format(Message::kDetailsMassRatio, language, {Join(ratio, " : ")}),
      Format(Message::kDetailsReactionType, language, {Format(TypeMessage(details), language)}),
      Format(Message::kDetailsStates, language,
             {Join(states, Format(Message::kDetailsGroupSeparator, language))})};
  AddRedox(lines, details, language);
  AddAmounts(lines, details, language);
  for (const DetailNote& note : details.notes) {
    lines.push_back(Format(Message::kConsoleNote, language) + NoteText(details, note, language));
  }
  return lines;
}

nlohmann::ordered_json DetailsJson(const Details& details) {
  nlohmann::ordered_json species = nlohmann::ordered_json::array();
  for (const SpeciesDetails& entry : details.species) {
    nlohmann::ordered_json states = nlohmann::ordered_json::object();
    for (const auto& element : entry.oxidation_states) {
      if (element.states.size() == 1) {
        states[element.symbol] = FormatState(element.states.front());
      } else {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Rational& state : element.states) list.push_back(FormatState(state));
        states[element.symbol] = list;
      }
    }
    species.push_back(
        {{"formula", entry.formula},
         {"coefficient", entry.coefficient.str()},
         {"side", entry.product ? "product" : "reactant"},
         {"relative_mass", Exact(entry.relative_mass)},
         {"molar_mass", FormatDecimal(entry.molar_mass, kMolarMassDecimals, false)},
         {"oxidation_states", states},
         {"name", entry.name ? nlohmann::ordered_json(*entry.name) : nlohmann::ordered_json()}});
  }
  nlohmann::ordered_json ratio = nlohmann::ordered_json::array();
  for (const Rational& part : details.mass_ratio) ratio.push_back(Exact(part));
  nlohmann::ordered_json out = {{"species", species}, {"mass_ratio", ratio}};
  const char* type = TypeKey(details.reaction_type);
  out["reaction_type"] = type ? nlohmann::ordered_json(type) : nlohmann::ordered_json();
  out["neutralization"] = details.neutralization;
  out["redox"] = nullptr;
  if (details.redox) {
    const auto& redox = *details.redox;
    nlohmann::ordered_json changes = nlohmann::ordered_json::array();
    for (const Bridge& bridge : redox.changes) {
      changes.push_back({{"element", bridge.symbol},
                         {"from", FormatState(bridge.from)},
                         {"to", FormatState(bridge.to)},
                         {"reactant", details.species[bridge.reactant].formula},
                         {"product", details.species[bridge.product].formula},
                         {"atoms", Exact(bridge.atoms)},
                         {"electrons_each", Exact(bridge.electrons_each)},
                         {"gained", bridge.gained}});
    }
    out["redox"] = {{"electrons", Exact(redox.electrons)},
                    {"oxidizing_agents", IndicesJson(details, redox.oxidizing_agents)},
                    {"reducing_agents", IndicesJson(details, redox.reducing_agents)},
                    {"oxidation_products", IndicesJson(details, redox.oxidation_products)},
                    {"reduction_products", IndicesJson(details, redox.reduction_products)},
                    {"changes", changes}};
  }
  if (details.amounts) {
    const auto& amounts = *details.amounts;
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& amount : amounts.amounts) {
      list.push_back({{"formula", details.species[amount.species].formula},
                      {"moles", Exact(amount.moles)},
                      {"mass", Exact(amount.mass)}});
    }
    nlohmann::ordered_json left = nlohmann::ordered_json::array();
    for (const auto& amount : amounts.left_over) {
      left.push_back(
          {{"formula", details.species[amount.species].formula}, {"mass", Exact(amount.mass)}});
    }
    out["amounts"] = list;
    out["limiting"] = amounts.limiting
                          ? nlohmann::ordered_json(details.species[*amounts.limiting].formula)
                          : nlohmann::ordered_json();
    out["left_over"] = left;
  }
  nlohmann::ordered_json notes = nlohmann::ordered_json::array();
  for (const DetailNote& note : details.notes) {
    nlohmann::ordered_json entry = {{"kind", NoteKey(note.kind)}};
    if (!note.symbol.empty()) entry["element"] = note.symbol;
    if (note.kind == DetailNoteKind::kUndecidedState) {
      entry["formula"] = details.species[note.species].formula;
    }
    notes.push_back(entry);
  }
  out["notes"] = notes;
  return out;
}

std::string GivenErrorText(GivenError error, const std::string& subject, Language language) {
  switch (error) {
    case GivenError::kMalformed:
      return Format(Message::kGivenMalformed, language, {subject});
    case GivenError::kUnknownUnit:
      return Format(Message::kGivenUnknownUnit, language, {subject});
    case GivenError::kNotPositive:
      return Format(Message::kGivenNotPositive, language, {subject});
    case GivenError::kUnknownSpecies:
      return Format(Message::kGivenUnknownSpecies, language, {subject});
    case GivenError::kTwice:
      return Format(Message::kGivenTwice, language, {subject});
    case GivenError::kProductAmongOthers:
      return Format(Message::kGivenProductAmongOthers, language, {subject});
    case GivenError::kNone:
      break;
  }
  return {};
}

}  // namespace quorvel::report
