#pragma once

#include <cstdint>
#include <functional>

#include "quorvel/search.h"

namespace quorvel::reference {

// The literal walk over every candidate from the number written with N ones
// to the one written with N nines, rows summed in 16 bits, yielding once per
// digit: the reference the search must agree with. `limit` > 0 stops it (not
// found) after that many candidates, for the ranges too long to walk in full.
SearchResult WalkEveryCandidate(const CompositionMatrix& matrix, const std::function<bool()>& yield,
                                std::int64_t limit = 0);
// The same without a host to yield to.
SearchResult WalkEveryCandidate(const CompositionMatrix& matrix);

}  // namespace quorvel::reference
