#pragma once

#include <string>
#include <vector>

#include "quorvel/chemistry.h"

// Where the default mode, with its simpler reading (nine formulas, one digit
// per count and per coefficient, a count only for the first group in
// parentheses, typed coefficients read as part of the formula), would take a
// chemistry answer's equation otherwise: for scripts that compare the two
// modes under --json. English, as the rest of the JSON; empty when the text
// could not be read.
namespace quorvel::report {

std::vector<std::string> DefaultReadingDifferences(const chemistry::Answer& answer);

}  // namespace quorvel::report
