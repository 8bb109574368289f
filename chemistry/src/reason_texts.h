// The reasons' keys, and their lines built from the messages' tables.

#pragma once

#include <string>
#include <vector>

#include "quorvel/chemistry/reason.h"

namespace quorvel::chemistry::detail {

// Names in a list as the language writes one: "H, O" or "H、O".
std::string JoinNames(const std::vector<std::string>& names,
                      Language language = Language::kEnglish);

}  // namespace quorvel::chemistry::detail
