// Reading exact answers back from elimination modulo primes.

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

  std::size_t primes() const { return primes_.size(); }
  // The bits of the product of the primes.
  std::size_t ModulusBits() const;

  // The integer form whose images these are, once the product of the primes
  // is large enough to tell its fractions; nullopt before. It is a candidate
  // until Proves says otherwise. Nullopt too once `deadline` passes.
  std::optional<ReducedMatrix> Candidate(std::size_t columns, Deadline deadline) const;

  // The same form read from the images scaled by the determinant of the
  // pivot rows' square part, which makes every entry an integer: a
  // determinant of the same rows with one column swapped for a free one
  // (Cramer's rule). Where a fraction needs a modulus above twice the
  // product of its parts, these need one above twice the largest such
  // determinant: about half the primes for a large answer. Right once the
  // modulus is that large; a candidate as above.
  std::optional<ReducedMatrix> IntegerCandidate(std::size_t columns, Deadline deadline) const;

  // Whether the residues prove `candidate` the exact form of `rows`: each
  // image's null vectors are null vectors of `rows` modulo its prime, and the
  // candidate's agree with them (its denominators are units), so `rows` times
  // the candidate's null vectors, scaled to integers, is 0 modulo the product
  // of the primes. When no entry of that product can reach the modulus in
  // size, it is 0: the vectors are null vectors, as many as any basis has
  // (no prime raises the rank), hence a basis, and the candidate, reduced
  // by construction, is the one reduced form of their annihilator.
  // Returns 0 when it proves it, else how many bits the modulus lacks
  // (kNeverProved when a denominator shares a factor with it: the candidate
  // is wrong).
  std::size_t BitsShortOfProof(const ReducedMatrix& candidate,
                               const std::vector<IntegerRow>& rows) const;
  static constexpr std::size_t kNeverProved = ~std::size_t{0};

 private:
  bool Better(const ModularEchelon& image) const;
  void Combine(const ModularEchelon& image, const PrimeField& field);
  std::size_t Entries() const { return pivots_.size() * free_columns_.size(); }
  // The residue of entry (row r, free column k) at index r * free columns + k,
  // of the determinant at index Entries(), and of the entry times the
  // determinant at index Entries() + 1 + r * free columns + k.
  Integer Residue(std::size_t entry) const;

  std::vector<std::size_t> pivots_;
  std::vector<std::size_t> pivot_rows_;
  std::vector<std::size_t> free_columns_;
  std::vector<std::uint64_t> primes_;
  // Mixed radix (Garner): an entry's residue modulo the product of the primes
  // is the sum over i of digits_[i][entry] times the product of the primes
  // before the i-th. A new prime's digit takes word operations only, where
  // keeping the residues whole would divide them by every new prime.
  std::vector<std::vector<std::uint32_t>> digits_;
  Integer modulus_ = 1;
};

}  // namespace quorvel::chemistry::detail
