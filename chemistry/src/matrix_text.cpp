// The composition matrix as text, exact, for the matrix box.

#include "quorvel/chemistry/matrix_text.h"

#include "composition.h"
#include "integer_text.h"

namespace quorvel::chemistry {

std::string detail::MatrixText(const Composition& composition) {
  std::string text;
  for (const IntegerRow& row : composition.rows) {
    for (const Integer& entry : row) {
      text += DecimalText(entry);
      text += "    ";
    }
    text += "\r\n";
  }
  return text;
}

std::string CompositionMatrixText(const Equation& equation) {
  return detail::MatrixText(detail::BuildComposition(equation));
}

}  // namespace quorvel::chemistry
