// The polyatomic ions textbooks keep apart when they assign oxidation states.

#pragma once

#include <string_view>
#include <utility>
#include <vector>

namespace quorvel::chemistry::detail {

// An ion a formula is built from, with the state of each of its elements.
struct Ion {
  std::string_view formula;                // "SO4"
  std::vector<std::pair<int, int>> atoms;  // element, count
  int charge = 0;
  std::vector<std::pair<int, int>> states;  // element, oxidation state
};

// The polyatomic ions of textbooks' tables (NH4+, SO4 2-, MnO4-, ...),
// larger before the smaller ones they contain.
const std::vector<Ion>& PolyatomicIons();

// Monatomic anions a salt or an oxide splits into: F- Cl- Br- I- O2- S2-.
const std::vector<Ion>& MonatomicAnions();

}  // namespace quorvel::chemistry::detail
