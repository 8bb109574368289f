#include "bounded_line.h"

#include <algorithm>
#include <array>

bool ReadBoundedLine(std::istream& in, std::string& line, std::size_t limit) {
  line.clear();
  bool any = false;
  // istream::getline stops at a full buffer, keeping the rest of the line
  // for the next call: it reads in chunks, whatever the line's length.
  std::array<char, 4096> chunk;
  while (true) {
    in.getline(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    const bool full = in.fail() && !in.eof() && got == chunk.size() - 1;
    // gcount counts the LF too when it ended the line.
    const std::size_t text = full || in.eof() || in.fail() ? got : got - 1;
    any = any || got > 0;
    if (line.size() < limit) line.append(chunk.data(), std::min(text, limit - line.size()));
    if (!full) break;
    in.clear();
  }
  return any || !in.eof();
}
