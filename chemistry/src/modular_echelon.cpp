#include "modular_echelon.h"

#include <utility>

namespace quorvel::chemistry::detail {

std::optional<ModularEchelon> EchelonModulo(const std::vector<IntegerRow>& rows,
                                            std::size_t columns, const PrimeField& field,
                                            Deadline deadline) {
  using Row = std::vector<std::uint64_t>;
  std::vector<Row> matrix;
  matrix.reserve(rows.size());
  for (const IntegerRow& row : rows) {
    Row& residues = matrix.emplace_back(columns);
    for (std::size_t j = 0; j < columns; ++j) residues[j] = field.Residue(row[j]);
  }

  ModularEchelon echelon;
  std::size_t rank = 0;
  for (std::size_t column = 0; column < columns; ++column) {
    if (Passed(deadline)) return std::nullopt;
    std::size_t pivot = rank;
    while (pivot < matrix.size() && matrix[pivot][column] == 0) ++pivot;
    if (pivot == matrix.size()) {
      echelon.free_columns.push_back(column);
      continue;
    }
    std::swap(matrix[rank], matrix[pivot]);
    Row& pivot_row = matrix[rank];
    const std::uint64_t inverse = field.Inverse(pivot_row[column]);
    for (std::size_t j = column; j < columns; ++j) {
      pivot_row[j] = field.Multiply(pivot_row[j], inverse);
    }
    // Entries left of `column` are 0 in the pivot row: every column there
    // is a pivot column, cleared, or free, with nothing left below.
    for (std::size_t r = 0; r < matrix.size(); ++r) {
      const std::uint64_t factor = matrix[r][column];
      if (r == rank || factor == 0) continue;
      Row& row = matrix[r];
      const std::uint64_t minus_factor = field.prime() - factor;
      for (std::size_t j = column; j < columns; ++j) {
        row[j] = field.MultiplyAdd(row[j], minus_factor, pivot_row[j]);
      }
    }
    echelon.pivots.push_back(column);
    ++rank;
  }
  for (std::size_t r = 0; r < rank; ++r) {
    std::vector<std::uint64_t>& entries = echelon.free_entries.emplace_back();
    entries.reserve(echelon.free_columns.size());
    for (const std::size_t free : echelon.free_columns) entries.push_back(matrix[r][free]);
  }
  return echelon;
}

}  // namespace quorvel::chemistry::detail
