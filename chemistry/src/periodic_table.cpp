// The element symbols and their atomic numbers.

#include "quorvel/chemistry/periodic_table.h"

#include <array>

namespace quorvel::chemistry {
namespace {

// In order of atomic number, from H (1) to Og (118).
constexpr std::array<std::string_view, kElementCount> kSymbols = {
    "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si", "P",
    "S",  "Cl", "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn",
    "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru", "Rh",
    "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba", "La", "Ce", "Pr", "Nd",
    "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W",  "Re",
    "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac", "Th",
    "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr", "Rf", "Db",
    "Sg", "Bh", "Hs", "Mt", "Ds", "Rg", "Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og"};

// A symbol is a capital letter and at most one small one: 26 times 27 slots,
// so a lookup is one index instead of a search of the table.
constexpr std::size_t kSlots = 26 * 27;

constexpr std::size_t SlotOf(char first, char second) {
  const auto row = static_cast<std::size_t>(first - 'A') * 27;
  return second == 0 ? row : row + static_cast<std::size_t>(second - 'a') + 1;
}

constexpr std::array<unsigned char, kSlots> MakeLookup() {
  std::array<unsigned char, kSlots> lookup{};
  for (std::size_t i = 0; i < kSymbols.size(); ++i) {
    const std::string_view symbol = kSymbols[i];
    lookup[SlotOf(symbol[0], symbol.size() > 1 ? symbol[1] : 0)] =
        static_cast<unsigned char>(i + 1);
  }
  return lookup;
}

constexpr std::array<unsigned char, kSlots> kLookup = MakeLookup();

}  // namespace

int AtomicNumber(std::string_view symbol) {
  if (symbol.empty() || symbol.size() > 2) return 0;
  if (symbol[0] < 'A' || symbol[0] > 'Z') return 0;
  if (symbol.size() == 2 && (symbol[1] < 'a' || symbol[1] > 'z')) return 0;
  return kLookup[SlotOf(symbol[0], symbol.size() > 1 ? symbol[1] : 0)];
}

std::string_view ElementSymbol(int atomic_number) {
  return kSymbols.at(static_cast<std::size_t>(atomic_number - 1));
}

}  // namespace quorvel::chemistry
