// Which piece of the balanced equation each bridge starts and ends on.

#include <algorithm>
#include <map>
#include <utility>

#include "quorvel/chemistry/format.h"
#include "quorvel/drawing/bridges.h"

namespace quorvel::drawing {
namespace {

using chemistry::Bridge;
using chemistry::Rational;
using messages::Format;
using messages::Message;

bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

// Where `symbol` stands in a formula as typed, as an element of its own: the
// C of "CO2" but not of "Cl2" (the byte after it is no small letter).
std::vector<std::size_t> SymbolPlaces(const std::string& formula, const std::string& symbol) {
  std::vector<std::size_t> places;
  for (std::size_t at = formula.find(symbol); at != std::string::npos;
       at = formula.find(symbol, at + 1)) {
    const std::size_t end = at + symbol.size();
    if (end < formula.size() && IsLower(formula[end])) continue;
    places.push_back(at);
  }
  return places;
}

// The place of the element's atoms in `state`. An element written twice
// with as many states (the N of NH4NO3: -3 and +5) is taken in the order it
// is written, lower state first, as the ammonium comes before the nitrate.
std::optional<std::size_t> PlaceOf(const chemistry::SpeciesDetails& species,
                                   const std::string& formula, const std::string& symbol,
                                   const Rational& state) {
  const std::vector<std::size_t> places = SymbolPlaces(formula, symbol);
  if (places.empty()) return std::nullopt;
  const auto element =
      std::find_if(species.oxidation_states.begin(), species.oxidation_states.end(),
                   [&](const chemistry::ElementStates& e) { return e.symbol == symbol; });
  if (element != species.oxidation_states.end() && element->states.size() == places.size()) {
    const auto which = std::find(element->states.begin(), element->states.end(), state);
    if (which != element->states.end()) {
      return places[static_cast<std::size_t>(which - element->states.begin())];
    }
  }
  return places.front();
}

struct SymbolAt {
  std::size_t species = 0;
  std::size_t offset = 0;
  bool operator<(const SymbolAt& other) const {
    return std::pair(species, offset) < std::pair(other.species, other.offset);
  }
};

}  // namespace

std::optional<BridgeFigure> MakeBridgeFigure(const chemistry::Answer& answer,
                                             const chemistry::Details& details,
                                             messages::Language language) {
  if (!answer.ok() || !answer.equation || !details.redox || details.redox->changes.empty()) {
    return std::nullopt;
  }
  const chemistry::Equation& equation = *answer.equation;
  if (details.species.size() != equation.species.size() ||
      answer.coefficients.size() != equation.species.size()) {
    return std::nullopt;
  }
  std::vector<chemistry::Integer> coefficients;
  for (const std::string& digits : answer.coefficients) coefficients.emplace_back(digits);
  const std::vector<chemistry::EquationPiece> written =
      chemistry::EquationPieces(equation, coefficients);

  // Each bridge's two ends, and the state written above each.
  std::map<SymbolAt, std::pair<std::string, Rational>> marks;  // symbol, state
  std::vector<std::pair<SymbolAt, SymbolAt>> ends;
  for (const Bridge& bridge : details.redox->changes) {
    if (bridge.reactant >= equation.species.size() || bridge.product >= equation.species.size()) {
      return std::nullopt;
    }
    const auto from = PlaceOf(details.species[bridge.reactant],
                              equation.species[bridge.reactant].text, bridge.symbol, bridge.from);
    const auto to = PlaceOf(details.species[bridge.product], equation.species[bridge.product].text,
                            bridge.symbol, bridge.to);
    if (!from || !to) return std::nullopt;
    const SymbolAt start{bridge.reactant, *from};
    const SymbolAt end{bridge.product, *to};
    marks.emplace(start, std::pair(bridge.symbol, bridge.from));
    marks.emplace(end, std::pair(bridge.symbol, bridge.to));
    ends.emplace_back(start, end);
  }

  BridgeFigure figure;
  std::map<SymbolAt, std::size_t> piece_of;
  for (const chemistry::EquationPiece& piece : written) {
    if (!piece.species) {
      figure.pieces.push_back({piece.text, piece.arrow, std::nullopt});
      continue;
    }
    const std::size_t species = *piece.species;
    std::size_t done = 0;
    for (auto mark = marks.lower_bound({species, 0});
         mark != marks.end() && mark->first.species == species; ++mark) {
      const std::size_t at = mark->first.offset;
      if (at > done)
        figure.pieces.push_back({piece.text.substr(done, at - done), false, std::nullopt});
      piece_of[mark->first] = figure.pieces.size();
      const std::string& symbol = mark->second.first;
      figure.pieces.push_back({symbol, false, chemistry::FormatState(mark->second.second)});
      done = at + symbol.size();
    }
    if (done < piece.text.size())
      figure.pieces.push_back({piece.text.substr(done), false, std::nullopt});
  }

  const std::string join = Format(Message::kDrawingLabelJoin, language);
  for (std::size_t i = 0; i < ends.size(); ++i) {
    const Bridge& bridge = details.redox->changes[i];
    const std::string electrons = ElectronsText(bridge);
    figure.bridges.push_back(
        {piece_of.at(ends[i].first), piece_of.at(ends[i].second), bridge.gained,
         Format(bridge.gained ? Message::kDrawingGained : Message::kDrawingLost, language,
                {electrons}),
         Format(bridge.gained ? Message::kDrawingFalls : Message::kDrawingRises, language), join});
    if (!figure.description.empty()) figure.description += '\n';
    figure.description += BridgeLine(details, bridge, language);
  }
  figure.name = Format(Message::kDrawingName, language, {answer.result});
  return figure;
}

}  // namespace quorvel::drawing
