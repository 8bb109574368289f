#include <string>

#include "quorvel/atoms.h"
#include "quorvel/search.h"

namespace quorvel {

CompositionMatrix BuildMatrix(const CompoundList& compounds, std::int16_t reactant_count,
                              const ElementList& elements) {
  const int n = elements.empty() ? 0 : static_cast<int>(elements.size()) - 1;
  CompositionMatrix matrix(static_cast<int>(compounds.size()), n);
  for (int c = 0; c < matrix.compounds(); ++c) {
    const Text& compound = compounds[static_cast<std::size_t>(c)];
    const bool reactant = c < reactant_count;
    for (int e = 1; e <= n; ++e) {
      const std::int16_t count = CountAtoms(compound, elements[static_cast<std::size_t>(e)]);
      matrix.Set(c, e, reactant ? count : static_cast<std::int16_t>(-count));
    }
  }
  return matrix;
}

Text FormatMatrixText(const CompositionMatrix& matrix) {
  Text out;
  for (int e = 1; e <= matrix.elements(); ++e) {
    for (int c = 0; c < matrix.compounds(); ++c) {
      for (char ch : std::to_string(matrix.At(c, e))) out.push_back(static_cast<char32_t>(ch));
      out += U"    ";
    }
    out += U"\r\n";
  }
  return out;
}

}  // namespace quorvel
