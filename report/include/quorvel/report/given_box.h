#pragma once

// A 已知 box's text as the amounts it gives, read the same in both windows
// and on the web page: "KMnO4 31.6g", "KMnO4=31.6g", "KMnO4：31.6 g",
// "H2 4g O2 40g", several parted by spaces (the ideographic one too), commas,
// semicolons or line ends of either width. Each amount is then read by the
// chemistry library's own reader, so a box takes exactly what --given takes.
//
//   const GivenBox box = ReadGivenBox("H2 4g，O2 40g");
//   if (box.error != chemistry::GivenError::kNone)
//     show(GivenErrorText(box.error, box.error_subject, language));

#include <string>
#include <string_view>
#include <vector>

#include "quorvel/chemistry/details.h"

namespace quorvel::report {

struct GivenBox {
  std::vector<chemistry::GivenAmount> amounts;  // empty when one item is refused
  chemistry::GivenError error = chemistry::GivenError::kNone;
  std::string error_subject;  // the refused item as typed
};

GivenBox ReadGivenBox(std::string_view text);

}  // namespace quorvel::report
