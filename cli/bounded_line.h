#pragma once

#include <cstddef>
#include <istream>
#include <string>

// Reads the next line of `in` without its LF, as std::getline does (false at
// the end of the input), but keeps at most its first `limit` bytes: the rest
// of a longer line is read and dropped, so that no line costs more memory
// than `limit`, and the next line is read as usual.
bool ReadBoundedLine(std::istream& in, std::string& line, std::size_t limit);
