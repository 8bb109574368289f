// The null space of the composition matrix: the independent reactions.

#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "deadline.h"
#include "quorvel/chemistry/integer.h"

namespace quorvel::chemistry::detail {

using IntegerRow = std::vector<Integer>;

// Reduced row echelon form in integers: every row primitive (its entries'
// gcd is 1), its pivot the only nonzero entry of its column.
struct ReducedMatrix {
  std::vector<IntegerRow> rows;     // one per pivot
  std::vector<std::size_t> pivots;  // the pivot column of each row, increasing
  std::vector<std::size_t> free_columns;
};

// gcd(divisor, x) for divisor > 0, the divisor of a row or vector so far: x
// is reduced modulo it first, a division, where the gcd of a small number and
// a large one would walk all the large one's bits.
Integer SharedDivisor(const Integer& divisor, const Integer& x);

// The exact reduced form, from the form modulo as many primes as its
// fractions need (checked against `rows` before it is returned); nullopt once
// `deadline` passes.
std::optional<ReducedMatrix> Reduce(const std::vector<IntegerRow>& rows, std::size_t columns,
                                    Deadline deadline = Deadline::max());

// The null-space vector that is 1 on the free column `free` (scaled to
// integers) and 0 on the other free columns, divided by its gcd; positive on
// `free`.
IntegerRow NullVector(const ReducedMatrix& reduced, std::size_t columns, std::size_t free);

// The pivot columns that are 0 in every null-space vector: their row has no
// entry in a free column.
std::vector<std::size_t> ColumnsHeldAtZero(const ReducedMatrix& reduced);

}  // namespace quorvel::chemistry::detail
