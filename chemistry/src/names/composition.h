// The atoms a name's formula holds, to compare names with formulas.

#pragma once

#include <map>
#include <optional>
#include <string_view>

#include "quorvel/chemistry/equation.h"
#include "quorvel/chemistry/integer.h"

namespace quorvel::chemistry::names {

// What a species is made of, to tell whether a name's formula is the species.
struct Composition {
  std::map<int, Integer> atoms;  // atomic number -> count
  Integer charge;

  bool operator==(const Composition&) const = default;
  // The composition less `count` waters; nullopt when it holds fewer.
  std::optional<Composition> LessWater(int count) const;
};

// nullopt for a labelled isotope (¹⁴C, D), which no name names.
std::optional<Composition> CompositionOf(const Species& species);
// A formula as the reading takes it; nullopt when it does not read.
std::optional<Composition> CompositionOf(std::string_view formula);

}  // namespace quorvel::chemistry::names
