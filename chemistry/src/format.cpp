// The balanced equation written back in the notation it was typed in.

#include "quorvel/chemistry/format.h"

#include <utility>

#include "integer_text.h"

namespace quorvel::chemistry {
namespace {

// Where the pieces go: a list for a front end that draws on them, or one
// text, written straight away, for the answer that most callers only show.
struct PieceList {
  std::vector<EquationPiece> pieces;
  void Between(std::string text) { pieces.push_back({std::move(text), std::nullopt, false}); }
  void Formula(const std::string& text, std::size_t index) {
    pieces.push_back({text, index, false});
  }
  void Arrow(const std::string& arrow) {
    pieces.push_back({" " + arrow + " ", std::nullopt, true});
  }
};

struct PlainText {
  std::string text;
  void Between(const std::string& piece) { text += piece; }
  void Formula(const std::string& piece, std::size_t) { text += piece; }
  void Arrow(const std::string& arrow) {
    text += ' ';
    text += arrow;
    text += ' ';
  }
};

// `coefficient` gives species i's coefficient as written (empty for 1) and
// whether it stands on the left; nullopt leaves the species out.
template <typename Sink, typename Coefficient>
void Write(const Equation& equation, Coefficient coefficient, Sink& sink) {
  if (!equation.label.empty()) sink.Between(equation.label);
  for (const bool left : {true, false}) {
    if (!left) sink.Arrow(equation.arrow);
    bool first = true;
    for (std::size_t i = 0; i < equation.species.size(); ++i) {
      const std::optional<std::pair<std::string, bool>> written = coefficient(i);
      if (!written || written->second != left) continue;
      const Species& species = equation.species[i];
      if (!first) sink.Between(species.subtracted ? " - " : " + ");
      first = false;
      if (!written->first.empty()) {
        // "2CaSO4·H2O" would count the first part: "2 CaSO4·H2O" is the coefficient.
        sink.Between(species.adduct ? written->first + " " : written->first);
      }
      sink.Formula(species.text, i);
    }
  }
}

template <typename Sink>
void WriteSolved(const Equation& equation, const std::vector<Integer>& coefficients, Sink& sink) {
  Write(
      equation,
      [&](std::size_t i) -> std::optional<std::pair<std::string, bool>> {
        if (i >= coefficients.size() || coefficients[i] == 0) return std::nullopt;
        const Integer& coefficient = coefficients[i];
        const bool reactant = i < equation.reactant_count;
        const bool left = (coefficient > 0) == reactant;
        if (coefficient == 1 || coefficient == -1) return std::pair{std::string(), left};
        return std::pair{detail::DecimalText(coefficient > 0 ? coefficient : Integer(-coefficient)),
                         left};
      },
      sink);
}

}  // namespace

std::vector<EquationPiece> EquationPieces(const Equation& equation,
                                          const std::vector<Integer>& coefficients) {
  PieceList list;
  WriteSolved(equation, coefficients, list);
  return std::move(list.pieces);
}

std::string FormatEquation(const Equation& equation, const std::vector<Integer>& coefficients) {
  PlainText plain;
  WriteSolved(equation, coefficients, plain);
  return std::move(plain.text);
}

std::string FormatAsTyped(const Equation& equation) {
  PlainText plain;
  Write(
      equation,
      [&](std::size_t i) -> std::optional<std::pair<std::string, bool>> {
        return std::pair{equation.species[i].typed_coefficient, i < equation.reactant_count};
      },
      plain);
  return std::move(plain.text);
}

}  // namespace quorvel::chemistry
