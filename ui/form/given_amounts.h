#pragma once

// The 已知 box's text as the amounts it gives: "KMnO4 31.6g", "H2 4g O2 40g",
// "KMnO4=31.6g", "H2 = 2 mol", full-width spaces and "，" between amounts.
// Each amount is read by the chemistry library's own reader, so the box
// takes exactly what --given takes, and fails with the same words.
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/chemistry/details.h"

namespace quorvel::form {

struct GivenAmounts {
  std::vector<chemistry::GivenAmount> amounts;
  std::string error;  // in the window's language; empty when every amount was read
};

GivenAmounts ReadGivenAmounts(std::string_view text);

}  // namespace quorvel::form
