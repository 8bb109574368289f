#pragma once

#include <chrono>
#include <cstddef>
#include <vector>

#include "quorvel/chemistry/equation.h"
#include "quorvel/chemistry/integer.h"

namespace quorvel::chemistry {

// The independent reactions listed when an equation has several.
inline constexpr std::size_t kListedReactions = 20;

// How long the exact arithmetic of one equation may take before it gives up:
// a system that needs longer is far past anything a reaction holds.
inline constexpr std::chrono::milliseconds kSolveTimeLimit{1000};

// What exact linear algebra says about an equation's coefficients. Rows are
// the elements and, when any species is charged, the charge; a reactant
// counts positive and a product negative.
struct Solution {
  enum class Kind {
    kBalanced,    // one way, all coefficients positive
    kOneSided,    // an element, or the charge, cannot cancel: it stands on one side only
    kZeroOnly,    // it balances only with some species at 0 (all of them: not at all)
    kNoPositive,  // one way, but only with some species on the other side
    kSeveral,     // more than one independent way
    kTooLarge,    // the exact arithmetic did not finish within the time limit
  };
  Kind kind = Kind::kTooLarge;
  // kBalanced: the smallest positive coefficients. kNoPositive, and kZeroOnly
  // when one way remains: that way, smallest, negative for the species that
  // belong on the other side; zero for those held at 0.
  std::vector<Integer> coefficients;
  std::vector<int> one_sided;             // kOneSided: atom kinds (atomic numbers
                                          // for unlabelled atoms); 0 is the charge
  std::vector<std::size_t> zero_species;  // kZeroOnly: indices of the species held at 0
  std::size_t reaction_count = 0;         // independent reactions (0 for kOneSided, kTooLarge)
  std::vector<std::vector<Integer>> reactions;  // kSeveral: the first kListedReactions of a basis
};

// Gives up with kTooLarge once `deadline` passes.
Solution Solve(const Equation& equation, std::chrono::steady_clock::time_point deadline);
// Within kSolveTimeLimit from now.
Solution Solve(const Equation& equation);

}  // namespace quorvel::chemistry
