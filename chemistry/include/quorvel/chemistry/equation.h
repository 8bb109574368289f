#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "quorvel/chemistry/integer.h"
#include "quorvel/chemistry/note.h"

namespace quorvel::chemistry {

struct AtomCount {
  int element = 0;  // atomic number
  Integer count;
  int mass = 0;  // a labelled atom's mass number (D is 2, ¹⁴C 14); 0 for the element as found
};

// One species as read from the equation.
struct Species {
  // As typed, without the typed coefficient: formula, charge and state mark.
  std::string text;
  std::vector<AtomCount> atoms;  // each kind of atom once, in order of first appearance
  Integer charge;                // in elementary charges; the electron has -1
  // How many formula units `atoms` and `charge` count: more than 1 only when
  // a part of an adduct has a fractional count (CaSO4·½H2O is counted twice
  // over, as Ca2S2O9H2).
  Integer units = 1;
  // Parts joined by adduct dots (CuSO4·5H2O). Digits right before an adduct
  // count its first part (2CaSO4·H2O), so a coefficient stands apart from it.
  bool adduct = false;
  // Written after a minus, as electrons in an electrode reaction (Zn - 2e- =
  // Zn2+): it stands on the other side of the arrow.
  bool subtracted = false;

  // What was typed that a reading with one-digit counts, parenthesised
  // groups only and no coefficients would take otherwise.
  std::string typed_coefficient;  // the digits typed before the formula
  std::string long_count;         // the first subscript or group count of two or more digits
  std::size_t group_count = 0;    // bracketed groups of any kind
  bool has_brackets_other_than_parentheses = false;
};

struct Equation {
  std::vector<Species> species;  // reactants first
  std::size_t reactant_count = 0;
  std::string arrow;        // between the sides, as typed: "=", "->", "→", ...
  std::string label;        // before a colon, as typed: "负极：", or empty
  std::vector<Note> notes;  // how notation that reads two ways was read
  // The ΔH term after the products as typed, spacing made regular
  // ("ΔH = -571.6 kJ/mol"); empty when none. It belongs to the coefficients
  // as typed, so the answer keeps them or refuses.
  std::string enthalpy;
  bool enthalpy_sign_only = false;  // ΔH<0: it holds for any multiple

  // Whether species i counts among the reactants: before the arrow, or
  // subtracted after it.
  bool CountsAsReactant(std::size_t i) const {
    return (i < reactant_count) != (i < species.size() && species[i].subtracted);
  }
};

}  // namespace quorvel::chemistry
