#pragma once

#include "quorvel/search.h"

namespace quorvel::fuzz {

// Every candidate from the number written with N ones to the one written with
// N nines, digit by digit from its decimal text, rows summed in 16 bits: the
// slow walk the real search must agree with. Yields nothing.
SearchResult WalkEveryCandidate(const CompositionMatrix& matrix);

}  // namespace quorvel::fuzz
