// Row echelon form over a prime field, checked against a deadline.

#include "modular_echelon.h"

namespace quorvel::chemistry::detail {

std::optional<ModularEchelon> EchelonModulo(const std::vector<IntegerRow>& rows,
                                            std::size_t columns, const PrimeField& field,
                                            Deadline deadline) {
  using Row = std::vector<std::uint32_t>;  // residues below 2^31
  std::vector<Row> matrix;
  matrix.reserve(rows.size());
  for (const IntegerRow& row : rows) {
    Row& residues = matrix.emplace_back(columns);
    for (std::size_t j = 0; j < columns; ++j) {
      residues[j] = static_cast<std::uint32_t>(field.Residue(row[j]));
    }
  }

  ModularEchelon echelon;
  // Rows stay in place: which row gives a pivot must not depend on the
  // prime but where it has to, so that the determinant is of the same
  // square part modulo every prime.
  std::vector<bool> used(matrix.size());
  const auto prime = static_cast<std::uint32_t>(field.prime());
  for (std::size_t column = 0; column < columns; ++column) {
    if (Passed(deadline)) return std::nullopt;
    std::size_t pivot = 0;
    while (pivot < matrix.size() && (used[pivot] || matrix[pivot][column] == 0)) ++pivot;
    if (pivot == matrix.size()) {
      echelon.free_columns.push_back(column);
      continue;
    }
    used[pivot] = true;
    Row& pivot_row = matrix[pivot];
    echelon.determinant = field.Multiply(echelon.determinant, pivot_row[column]);
    const std::uint64_t inverse = field.Inverse(pivot_row[column]);
    for (std::size_t j = column; j < columns; ++j) {
      pivot_row[j] = static_cast<std::uint32_t>(field.Multiply(pivot_row[j], inverse));
    }
    // Entries left of `column` are 0 in the pivot row: every column there
    // is a pivot column, cleared, or free, with nothing left in unused rows.
    for (std::size_t r = 0; r < matrix.size(); ++r) {
      const std::uint32_t factor = matrix[r][column];
      if (r == pivot || factor == 0) continue;
      Row& row = matrix[r];
      const FixedFactor minus_factor(prime - factor, prime);
      for (std::size_t j = column; j < columns; ++j) {
        const std::uint32_t sum = row[j] + minus_factor.Times(pivot_row[j]);
        row[j] = sum >= prime ? sum - prime : sum;
      }
    }
    echelon.pivots.push_back(column);
    echelon.pivot_rows.push_back(pivot);
  }
  for (const std::size_t r : echelon.pivot_rows) {
    std::vector<std::uint64_t>& entries = echelon.free_entries.emplace_back();
    entries.reserve(echelon.free_columns.size());
    for (const std::size_t free : echelon.free_columns) entries.push_back(matrix[r][free]);
  }
  return echelon;
}

}  // namespace quorvel::chemistry::detail
