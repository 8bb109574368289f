// Row echelon form over a prime field, checked against a deadline.

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "deadline.h"
#include "null_space.h"
#include "prime_field.h"

namespace quorvel::chemistry::detail {

// The reduced row echelon form of an integer matrix modulo a prime, each
// pivot 1. Modulo all but a few primes it is the exact form's image; modulo
// those few the rank drops or a pivot moves right.
struct ModularEchelon {
  std::vector<std::size_t> pivots;  // increasing
  // The row that gave each pivot: per pivot column, the first row not yet
  // used with an entry there once the earlier pivots are cleared.
  std::vector<std::size_t> pivot_rows;
  // The determinant of the square part of the matrix in the pivot rows (in
  // that order) and the pivot columns: the product of the pivots met.
  std::uint64_t determinant = 1;
  std::vector<std::size_t> free_columns;
  // Per pivot row, its entries in the free columns (in their order); its
  // other entries are 0 but for the pivot's 1.
  std::vector<std::vector<std::uint64_t>> free_entries;
};

// Gauss-Jordan elimination over the prime field; nullopt once `deadline`
// passes.
std::optional<ModularEchelon> EchelonModulo(const std::vector<IntegerRow>& rows,
                                            std::size_t columns, const PrimeField& field,
                                            Deadline deadline);

}  // namespace quorvel::chemistry::detail
