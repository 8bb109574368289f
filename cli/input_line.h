#pragma once

#include <cstddef>
#include <string>

// Reads the next line of standard input as UTF-8 bytes, without its LF (a CR
// before it is left for the caller, as on every platform). Returns false at
// the end of the input.
bool ReadInputLine(std::string& line);

// The same, but of a line longer than `limit` bytes only the first `limit`
// are kept: the rest is read and dropped, and the next call reads the next
// line.
bool ReadBoundedInputLine(std::string& line, std::size_t limit);
