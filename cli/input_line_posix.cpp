#include <iostream>

#include "bounded_line.h"
#include "input_line.h"

// A terminal, a file and a pipe all hand over the bytes the user's locale
// wrote; on Debian that is UTF-8, and anything else is reported per line.
bool ReadInputLine(std::string& line) { return static_cast<bool>(std::getline(std::cin, line)); }

bool ReadBoundedInputLine(std::string& line, std::size_t limit) {
  return ReadBoundedLine(std::cin, line, limit);
}
