#pragma once

#include <cstdint>
#include <functional>

#include "quorvel/search.h"

namespace quorvel_test {

// The literal walk over every candidate from the number written with N ones
// to the one written with N nines, yielding once per digit: the reference the
// search must agree with. `limit` > 0 stops it (not found) after that many
// candidates, for the ranges too long to walk in full.
quorvel::SearchResult ReferenceWalk(const quorvel::CompositionMatrix& matrix,
                                    const std::function<bool()>& yield, std::int64_t limit = 0);

}  // namespace quorvel_test
