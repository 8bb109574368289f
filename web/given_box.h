#pragma once

// The page's 已知 box: amounts as a student types them, "KMnO4 31.6g",
// "KMnO4=31.6g" or "KMnO4：31.6 g", several split by commas, semicolons
// (ASCII or full-width) or line ends.

#include <string>
#include <string_view>
#include <vector>

#include "quorvel/chemistry/details.h"

namespace quorvel::web {

struct GivenBox {
  std::vector<chemistry::GivenAmount> amounts;
  chemistry::GivenError error = chemistry::GivenError::kNone;
  std::string error_subject;  // the item as typed, or the formula the error is about
};

GivenBox ReadGivenBox(std::string_view text);

}  // namespace quorvel::web
