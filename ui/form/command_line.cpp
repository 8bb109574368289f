#include "form/command_line.h"

#include <algorithm>

namespace quorvel::form {

bool ChemistryAskedFor(const std::vector<std::string>& arguments) {
  return std::find(arguments.begin(), arguments.end(), kChemistryOption) != arguments.end();
}

}  // namespace quorvel::form
