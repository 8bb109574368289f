// The balanced equation written back in the notation it was typed in.

#include "quorvel/chemistry/format.h"

#include <utility>

namespace quorvel::chemistry {
namespace {

EquationPiece Between(std::string text) { return {std::move(text), std::nullopt, false}; }

void AppendTerm(std::vector<EquationPiece>& side, const Integer& coefficient, std::size_t index,
                const Species& species) {
  if (!side.empty()) side.push_back(Between(species.subtracted ? " - " : " + "));
  if (coefficient != 1) {
    // "2CaSO4·H2O" would count the first part: "2 CaSO4·H2O" is the coefficient.
    side.push_back(Between(coefficient.str() + (species.adduct ? " " : "")));
  }
  side.push_back({species.text, index, false});
}

}  // namespace

std::vector<EquationPiece> EquationPieces(const Equation& equation,
                                          const std::vector<Integer>& coefficients) {
  std::vector<EquationPiece> left;
  std::vector<EquationPiece> right;
  for (std::size_t i = 0; i < equation.species.size() && i < coefficients.size(); ++i) {
    const Integer& coefficient = coefficients[i];
    if (coefficient == 0) continue;
    const bool reactant = i < equation.reactant_count;
    auto& side = (coefficient > 0) == reactant ? left : right;
    AppendTerm(side, coefficient > 0 ? coefficient : Integer(-coefficient), i, equation.species[i]);
  }
  std::vector<EquationPiece> pieces;
  if (!equation.label.empty()) pieces.push_back(Between(equation.label));
  pieces.insert(pieces.end(), left.begin(), left.end());
  pieces.push_back({" " + equation.arrow + " ", std::nullopt, true});
  pieces.insert(pieces.end(), right.begin(), right.end());
  return pieces;
}

std::string FormatEquation(const Equation& equation, const std::vector<Integer>& coefficients) {
  std::string text;
  for (const EquationPiece& piece : EquationPieces(equation, coefficients)) text += piece.text;
  return text;
}

}  // namespace quorvel::chemistry
