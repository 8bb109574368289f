// Which kind of atom a count is: the element, or one of its labelled isotopes.

#include "atom_kind.h"

#include <array>

namespace quorvel::chemistry::detail {

std::string AtomName(int kind) {
  const int element = kind % (kElementCount + 1);
  const int mass = kind / (kElementCount + 1);
  const std::string symbol(ElementSymbol(element));
  if (mass == 0) return symbol;
  if (element == 1 && mass == 2) return "D";
  if (element == 1 && mass == 3) return "T";
  static constexpr std::array<const char*, 10> kSuperscripts = {"⁰", "¹", "²", "³", "⁴",
                                                                "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string name;
  for (const char digit : std::to_string(mass))
    name += kSuperscripts[static_cast<std::size_t>(digit - '0')];
  return name + symbol;
}

}  // namespace quorvel::chemistry::detail
