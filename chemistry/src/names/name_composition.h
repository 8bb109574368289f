// The composition a candidate name reads as, remembered across calls.

#pragma once

#include <optional>
#include <string>

#include "composition.h"

namespace quorvel::chemistry::names {

// What BuildFormula makes of `name`, read as the reading reads formulas;
// nullopt when the name gives no formula. Naming a species tries many
// candidate names, all drawn from the finite tables of parts, and reading a
// formula is most of the cost: each name is read once per process.
std::optional<Composition> CompositionOfName(const std::string& name);

}  // namespace quorvel::chemistry::names
