// The known names, and those close to an unknown one.

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::chemistry::names {

// Every name the tables and the rules give the curriculum's substances: the
// tables' names, every element's substance, and each cation with a valence
// with each anion, their ions, and the oxides and halides named with number
// words. What a mistyped name is compared with, and what the round trip checks.
const std::vector<std::string>& KnownNames();

// The known names closest to `name` (at most three), when one is close: one
// character wrong, missing or extra in a name of up to three, two in a longer one.
std::vector<std::string> Suggestions(std::string_view name);

}  // namespace quorvel::chemistry::names
