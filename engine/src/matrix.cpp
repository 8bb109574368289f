#include <algorithm>
#include <array>
#include <string>

#include "atom_tally.h"
#include "quorvel/search.h"

namespace quorvel {
namespace {

constexpr std::u32string_view kFieldEnd = U"    ";
constexpr std::u32string_view kLineEnd = U"\r\n";

// An entry as the matrix text writes it: a minus sign for a negative entry,
// no plus sign, no leading zeros.
struct Decimal {
  std::array<char32_t, 6> chars{};
  std::size_t size = 0;
};

Decimal DecimalOf(std::int16_t value) {
  std::array<char32_t, 5> reversed{};
  std::size_t digits = 0;
  std::int32_t rest = value < 0 ? -static_cast<std::int32_t>(value) : value;
  do {
    reversed[digits++] = static_cast<char32_t>(U'0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  Decimal decimal;
  if (value < 0) decimal.chars[decimal.size++] = U'-';
  while (digits > 0) decimal.chars[decimal.size++] = reversed[--digits];
  return decimal;
}

}  // namespace

CompositionMatrix BuildMatrix(const CompoundList& compounds, std::int16_t reactant_count,
                              const ElementList& elements) {
  const int n = elements.empty() ? 0 : static_cast<int>(elements.size()) - 1;
  CompositionMatrix matrix(static_cast<int>(compounds.size()), n);
  if (n == 0) return matrix;

  // One walk per compound counts all its elements: one walk per element and
  // compound would cost elements times the length of a long pasted text.
  AtomTally tally(elements);
  for (int c = 0; c < matrix.compounds(); ++c) {
    tally.Count(compounds[static_cast<std::size_t>(c)]);
    const bool reactant = c < reactant_count;
    for (int e = 1; e <= n; ++e) {
      const std::int16_t count = tally.At(static_cast<std::size_t>(e));
      matrix.Set(c, e, reactant ? count : static_cast<std::int16_t>(-count));
    }
  }
  return matrix;
}

Text FormatMatrixText(const CompositionMatrix& matrix) {
  // Sized up front: on a long paste the text runs to many megabytes, and
  // growing it by doubling would hold up to twice that.
  std::size_t size = 0;
  for (int e = 1; e <= matrix.elements(); ++e) {
    for (int c = 0; c < matrix.compounds(); ++c) {
      size += DecimalOf(matrix.At(c, e)).size + kFieldEnd.size();
    }
    size += kLineEnd.size();
  }
  Text out;
  out.reserve(size);
  for (int e = 1; e <= matrix.elements(); ++e) {
    for (int c = 0; c < matrix.compounds(); ++c) {
      const Decimal decimal = DecimalOf(matrix.At(c, e));
      out.append(decimal.chars.data(), decimal.size);
      out += kFieldEnd;
    }
    out += kLineEnd;
  }
  return out;
}

bool OversizedUnsearchableMatrix(std::size_t compounds, std::size_t elements,
                                 std::size_t equation_length) {
  if (compounds <= static_cast<std::size_t>(kMaxSearchedCompounds)) return false;
  // The text is never shorter than this: every entry takes one character at
  // least. Its real length would need every count first.
  const std::size_t shortest = elements * (compounds * (1 + kFieldEnd.size()) + kLineEnd.size());
  return shortest > std::max(std::size_t{1} << 20, 16 * equation_length);
}

}  // namespace quorvel
