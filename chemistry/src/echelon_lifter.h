#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "modular_echelon.h"
#include "null_space.h"
#include "prime_field.h"

namespace quorvel::chemistry::detail {

// The exact echelon form recovered from its images modulo several primes:
// their residues combined into one modulo the primes' product, and each entry
// read back as the one fraction of bounded size with that residue.
class EchelonLifter {
 public:
  // Adds the image modulo another prime. An image of lower rank, or of equal
  // rank with its pivots further right, comes from an unlucky prime and is
  // dropped; a better one replaces the images before it.
  void Add(const ModularEchelon& image, const PrimeField& field);

  std::size_t primes() const { return primes_; }

  // The integer form whose images these are, once the product of the primes
  // is large enough to tell its fractions; nullopt before. It is a candidate:
  // the caller checks it against the matrix. Nullopt too once `deadline`
  // passes.
  std::optional<ReducedMatrix> Candidate(std::size_t columns, Deadline deadline) const;

 private:
  bool Better(const ModularEchelon& image) const;
  void Combine(const ModularEchelon& image, const PrimeField& field);

  std::vector<std::size_t> pivots_;
  std::vector<std::size_t> free_columns_;
  std::vector<std::vector<Integer>> residues_;  // per pivot row, per free column
  Integer modulus_ = 1;
  std::size_t primes_ = 0;
};

}  // namespace quorvel::chemistry::detail
