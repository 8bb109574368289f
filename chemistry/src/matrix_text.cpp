// The composition matrix as text, exact, for the matrix box.

#include "quorvel/chemistry/matrix_text.h"

#include "composition.h"

namespace quorvel::chemistry {

std::string CompositionMatrixText(const Equation& equation) {
  std::string text;
  for (const detail::IntegerRow& row : detail::BuildComposition(equation).rows) {
    for (const Integer& entry : row) {
      text += entry.str();
      text += "    ";
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace quorvel::chemistry
