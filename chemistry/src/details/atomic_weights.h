// Atomic weights: the table Chinese exams print, and the standard atomic weights.

#pragma once

#include "quorvel/chemistry/details.h"

namespace quorvel::chemistry::detail {

// Weights are whole numbers of 10^-12 u, so that a formula's mass is an
// integer sum: every table value ends within twelve decimals.
inline const Integer kWeightScale = Integer(1'000'000'000'000LL);

struct AtomWeight {
  Integer scaled;            // the weight × kWeightScale
  bool approximate = false;  // not the table's own: a rounded or mass-number stand-in
};

// The relative atomic mass Chinese exam papers print (Cl 35.5); an element
// outside that table takes its standard atomic weight rounded to one decimal
// (approximate). A labelled atom counts its mass number, as papers do (D2O is 20).
AtomWeight ExamAtomicMass(int element, int mass_number);

// The standard atomic weight in g/mol; a labelled atom takes its isotope's
// mass, or its mass number (approximate) for an isotope the table lacks.
AtomWeight MolarAtomicMass(int element, int mass_number);

}  // namespace quorvel::chemistry::detail
