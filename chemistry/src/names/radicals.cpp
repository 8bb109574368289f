// The oxoacids are built from one rule instead of listed: an acid of element
// X in oxidation state v with n oxygen atoms has 2n - v hydrogen atoms (H2SO4:
// 2·4 - 6 = 2), and the prefixes move v and n: 高 up, 亚 and 次 down, 偏 takes
// one water away (H3PO4 -> HPO3), 重 joins two acids less one water (H2Cr2O7),
// 硫代 puts S for one O (H2S2O3). Acids and their salts then follow for every
// cation. Source of the families and the prefixes: 人教版 高中化学 必修第一册
// and 选择性必修2; 中国化学会, 无机化学命名原则 (1980), 含氧酸.

#include "radicals.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "element_names.h"
#include "number_words.h"
#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::names {
namespace {

enum Prefix : unsigned {
  kPlain = 1,            // 硫酸
  kHigh = 2,             // 高氯酸: v + 2, n + 1 (or as the family says)
  kLow = 4,              // 亚硫酸: v - 2, n - 1
  kLeast = 8,            // 次氯酸: v - 4, n - 2
  kMeta = 16,            // 偏磷酸: less one water
  kDouble = 32,          // 重铬酸: two less one water
  kThio = 64,            // 硫代硫酸: S for one O
  kHydrogenSalts = 128,  // 碳酸氢, 磷酸二氢
};

struct AcidFamily {
  int element;
  std::string_view root;  // the acid's name without 酸: 硫, 硝 (for N), 锰
  int valence;            // of the plain acid
  int oxygen;
  unsigned prefixes;
  int high_valence_step = 2;  // 高锰酸 is Mn(VII) from Mn(VI) and keeps its four O
  int high_oxygen_step = 1;
};

constexpr std::array<AcidFamily, 16> kFamilies = {{
    {17, "氯", 5, 3, kPlain | kHigh | kLow | kLeast},
    {35, "溴", 5, 3, kPlain | kHigh | kLow | kLeast},
    {53, "碘", 5, 3, kPlain | kHigh | kLeast},
    {16, "硫", 6, 4, kPlain | kLow | kThio | kHydrogenSalts},
    {34, "硒", 6, 4, kPlain | kLow},
    {7, "硝", 5, 3, kPlain | kLow},
    {15, "磷", 5, 4, kPlain | kLow | kLeast | kMeta | kHydrogenSalts},
    {33, "砷", 5, 4, kPlain | kLow},
    {6, "碳", 4, 3, kPlain | kHydrogenSalts},
    {14, "硅", 4, 3, kPlain},
    {5, "硼", 3, 3, kPlain | kMeta},
    {13, "铝", 3, 3, kMeta},
    {25, "锰", 6, 4, kPlain | kHigh, 1, 0},
    {26, "铁", 6, 4, kHigh, 0, 0},  // 高铁酸 is the only acid of Fe(VI)
    {24, "铬", 6, 4, kPlain | kDouble},
    {74, "钨", 6, 4, kPlain},
}};

// Radicals no family gives. Source: 人教版 九年级化学 上册, 常见元素和根的化合价;
// 高中化学 选择性必修3 (乙酸根).
const std::array<Radical, 8>& OtherRadicals() {
  using K = Radical::Kind;
  static const std::array<Radical, 8> radicals = {{
      {"氢氧", "OH", -1, K::kBinary, false, false, false},
      {"过氧", "O2", -2, K::kBinary, false, false, false, true},
      {"氰", "CN", -1, K::kBinary, false, false, false},
      {"硫氰酸", "SCN", -1, K::kAcid, false, true, false},
      {"乙酸", "CH3COO", -1, K::kAcid, true, true, false},
      {"醋酸", "CH3COO", -1, K::kAcid, true, true, false},
      {"草酸", "C2O4", -2, K::kAcid, false, true, false},
      {"铵", "NH4", 1, K::kCation, false, false, false},
  }};
  return radicals;
}

std::string Atoms(std::string_view symbol, int count) {
  if (count == 0) return "";
  return std::string(symbol) + (count > 1 ? std::to_string(count) : "");
}

// The radical of an acid H(h)X(x)O(n) less all its hydrogen.
Radical Oxoanion(std::string name, std::string_view symbol, int x, int n, int hydrogen,
                 std::string_view other = "", int other_count = 0) {
  Radical radical;
  radical.name = std::move(name);
  radical.formula = other == symbol ? Atoms(symbol, x + other_count) + Atoms("O", n)
                                    : Atoms(symbol, x) + Atoms(other, other_count) + Atoms("O", n);
  radical.charge = -hydrogen;
  return radical;
}

void AddFamily(const AcidFamily& family, std::vector<Radical>& out) {
  const std::size_t begin = out.size();
  const std::string_view symbol = ElementSymbol(family.element);
  const std::string acid = std::string(family.root) + "酸";
  const int v = family.valence;
  const int n = family.oxygen;
  const int h = 2 * n - v;
  auto add = [&out](Radical radical) {
    if (radical.charge < 0) out.push_back(std::move(radical));
  };
  if (family.prefixes & kPlain) add(Oxoanion(acid, symbol, 1, n, h));
  if (family.prefixes & kHigh) {
    const int high_n = n + family.high_oxygen_step;
    add(Oxoanion("高" + acid, symbol, 1, high_n, 2 * high_n - (v + family.high_valence_step)));
  }
  if (family.prefixes & kLow) add(Oxoanion("亚" + acid, symbol, 1, n - 1, 2 * (n - 1) - (v - 2)));
  if (family.prefixes & kLeast) {
    add(Oxoanion("次" + acid, symbol, 1, n - 2, 2 * (n - 2) - (v - 4)));
  }
  if (family.prefixes & kMeta) add(Oxoanion("偏" + acid, symbol, 1, n - 1, h - 2));
  if (family.prefixes & kDouble) add(Oxoanion("重" + acid, symbol, 2, 2 * n - 1, 2 * h - 2));
  if (family.prefixes & kThio) add(Oxoanion("硫代" + acid, symbol, 1, n - 1, h, "S", 1));
  if (!(family.prefixes & kHydrogenSalts)) return;
  // The acid salts of every polyprotic acid of the family: 碳酸氢, 磷酸二氢.
  // 次磷酸 gives up one hydrogen only, and 硫代硫酸 has no acid salts taught.
  const std::size_t end = out.size();
  for (std::size_t i = begin; i < end; ++i) {
    if (out[i].name.starts_with("次") || out[i].name.starts_with("硫代")) continue;
    const int acid_hydrogen = -out[i].charge;
    for (int kept = 1; kept < acid_hydrogen; ++kept) {
      Radical salt = out[i];
      salt.name += (kept > 1 ? NumberWord(kept) : "") + "氢";
      salt.formula = Atoms("H", kept) + out[i].formula;
      salt.charge += kept;
      salt.acid = false;
      salt.hydrogen_salt = true;
      out.push_back(std::move(salt));
    }
  }
}

std::vector<Radical> Build() {
  std::vector<Radical> radicals;
  for (const AcidFamily& family : kFamilies) AddFamily(family, radicals);
  for (const Radical& radical : OtherRadicals()) radicals.push_back(radical);
  // Longest first, so that 碳酸氢 is found before 碳酸 and 高锰酸 before 锰酸
  // (a stable sort keeps the tables' order among names of one length).
  std::stable_sort(radicals.begin(), radicals.end(), [](const Radical& a, const Radical& b) {
    return a.name.size() > b.name.size();
  });
  return radicals;
}

}  // namespace

const std::vector<Radical>& Radicals() {
  static const std::vector<Radical> radicals = Build();
  return radicals;
}

}  // namespace quorvel::chemistry::names
