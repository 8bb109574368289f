#pragma once

// What the window's command line asks for; the same on every toolkit.
#include <string>
#include <vector>

namespace quorvel::form {

inline constexpr const char* kChemistryOption = "--chemistry";

// True when `arguments` (the program's own name excluded or not) hold the
// chemistry mode's switch: on for this run, the stored choice untouched.
// Anything else on the line is left to the toolkit.
bool ChemistryAskedFor(const std::vector<std::string>& arguments);

}  // namespace quorvel::form
