#pragma once

#include <string>

// Reads the next line of standard input as UTF-8 bytes, without its LF (a CR
// before it is left for the caller, as on every platform). Returns false at
// the end of the input.
bool ReadInputLine(std::string& line);
