#pragma once

#include <string_view>

namespace quorvel::chemistry {

inline constexpr int kElementCount = 118;

// The atomic number (1 to 118) of an element symbol, exact and case-sensitive;
// 0 when no element has that symbol.
int AtomicNumber(std::string_view symbol);

// The symbol of an atomic number from 1 to 118.
std::string_view ElementSymbol(int atomic_number);

}  // namespace quorvel::chemistry
