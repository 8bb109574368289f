#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "quorvel/chemistry/integer.h"

namespace quorvel::chemistry {

struct AtomCount {
  int element = 0;  // atomic number
  Integer count;
};

// One species as read from the equation.
struct Species {
  // As typed, without the typed coefficient: formula, charge and state mark.
  std::string text;
  std::vector<AtomCount> atoms;  // each element once, in order of first appearance
  Integer charge;                // in elementary charges; the electron has -1

  // Where the window's simpler reading of this species would differ.
  std::string typed_coefficient;  // the digits typed before the formula
  std::string long_count;         // the first subscript or group count of two or more digits
  std::size_t group_count = 0;    // bracketed groups of any kind
  bool has_brackets_other_than_parentheses = false;
};

struct Equation {
  std::vector<Species> species;  // reactants first
  std::size_t reactant_count = 0;
  std::string arrow;               // between the sides, as typed: "=", "->", "→", ...
  std::vector<std::string> notes;  // how notation that reads two ways was read
};

}  // namespace quorvel::chemistry
