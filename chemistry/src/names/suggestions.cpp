// The known names, and those close to an unknown one.

#include "suggestions.h"

#include <algorithm>
#include <array>
#include <set>

#include "composition.h"
#include "element_names.h"
#include "name_rules.h"
#include "parts.h"
#include "quorvel/chemistry/names.h"
#include "quorvel/chemistry/parser.h"
#include "quorvel/chemistry/periodic_table.h"
#include "table_names.h"

namespace quorvel::chemistry::names {
namespace {

constexpr std::size_t kMostSuggestions = 3;

// The substances of the curriculum, first among the names a mistyped one is
// compared with, so that a close name of these is suggested before a rarer
// one (高猛酸钾: 高锰酸钾 before 高氯酸钾); the oxides and halides among them
// are the ones named with number words. Source: 人教版 九年级化学 上下册 and
// 高中化学 必修第一册, 第二册.
constexpr std::array<std::string_view, 48> kCurriculum = {
    "KMnO4", "K2MnO4",    "MnO2",   "KClO3", "KCl",   "H2O2",  "CO",    "CO2",   "SO2",   "SO3",
    "NO",    "NO2",       "N2O4",   "N2O5",  "P2O5",  "SiO2",  "Fe3O4", "Fe2O3", "FeO",   "CuO",
    "Cu2O",  "CaO",       "MgO",    "Al2O3", "HCl",   "H2SO4", "HNO3",  "H2CO3", "NaOH",  "Ca(OH)2",
    "NaCl",  "Na2CO3",    "NaHCO3", "CaCO3", "CuSO4", "FeSO4", "FeCl3", "FeCl2", "AgNO3", "BaCl2",
    "NH4Cl", "(NH4)2SO4", "NH4NO3", "CS2",   "PCl3",  "PCl5",  "ClO2",  "PbO2"};

std::optional<std::string> NameOfFormula(std::string_view formula) {
  const std::string text = std::string(formula) + " = " + std::string(formula);
  const ParseResult parsed = ParseEquation(text);
  if (!parsed.equation) return std::nullopt;
  return ChineseName(parsed.equation->species.front());
}

std::vector<std::string> Build() {
  std::vector<std::string> known;
  for (const std::string_view formula : kCurriculum) {
    if (std::optional<std::string> name = NameOfFormula(formula)) known.push_back(std::move(*name));
  }
  for (const TableName& entry : TableNames()) known.emplace_back(entry.name);
  for (const AmbiguousName& entry : AmbiguousNames()) known.emplace_back(entry.name);
  std::vector<Part> cations;
  for (int z = 1; z <= kElementCount; ++z) {
    known.push_back(SubstanceName(z));
    for (Part& cation : CationsOf(z)) cations.push_back(std::move(cation));
  }
  cations.push_back(*CationNamed("铵"));
  for (const Part& cation : cations) known.push_back(IonName(cation));
  for (const Part& anion : Anions()) {
    known.push_back(IonName(anion));
    for (const Part& cation : cations) {
      if (std::string name = CompoundName(cation, anion); !name.empty()) {
        known.push_back(std::move(name));
      }
    }
  }
  std::set<std::string> seen;
  std::erase_if(known, [&seen](const std::string& name) { return !seen.insert(name).second; });
  return known;
}

std::u32string CodePoints(std::string_view utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    out.push_back(c);
    i += length;
  }
  return out;
}

// Characters to change, insert or delete to turn one text into the other.
std::size_t EditDistance(const std::u32string& a, const std::u32string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

const std::vector<std::string>& KnownNames() {
  static const std::vector<std::string> known = Build();
  return known;
}

std::vector<std::string> Suggestions(std::string_view name) {
  const std::u32string typed = CodePoints(name);
  std::size_t best = typed.size() <= 3 ? 1 : 2;
  std::vector<std::string> closest;
  for (const std::string& known : KnownNames()) {
    const std::u32string letters = CodePoints(known);
    // The distance is at least the difference in length: a long text costs
    // no comparison with every name.
    const std::size_t gap = letters.size() > typed.size() ? letters.size() - typed.size()
                                                          : typed.size() - letters.size();
    if (gap > best) continue;
    const std::size_t distance = EditDistance(typed, letters);
    if (distance > best) continue;
    if (distance < best) closest.clear();
    best = distance;
    closest.push_back(known);
  }
  // 氢 is closer to 氢气 than to 水: a name that holds what was typed first.
  std::stable_partition(closest.begin(), closest.end(), [&typed](const std::string& known) {
    const std::u32string letters = CodePoints(known);
    std::size_t matched = 0;
    for (const char32_t c : letters) matched += matched < typed.size() && c == typed[matched];
    return matched == typed.size();
  });
  if (closest.size() > kMostSuggestions) closest.resize(kMostSuggestions);
  return closest;
}

}  // namespace quorvel::chemistry::names
