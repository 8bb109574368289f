#pragma once

#include <boost/multiprecision/cpp_int.hpp>

namespace quorvel::chemistry {

// Counts, charges and coefficients: exact, with no upper limit.
using Integer = boost::multiprecision::cpp_int;

}  // namespace quorvel::chemistry
