// The cation and anion parts a compound's name and formula are both built from.

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::chemistry::names {

// One side of a compound as the rules combine them: a cation (钠, 亚铁, 铵,
// 氢) or an anion (硫酸, 碳酸氢, 氯, 氢氧). A compound's name and formula are
// both made of two parts, so that the two directions cannot disagree.
struct Part {
  std::string name;     // as it stands in a compound's name
  std::string formula;  // Na, Fe, NH4; SO4, Cl, OH
  int charge = 0;       // +1 for Na, -2 for SO4
  bool polyatomic = false;
  bool with_hua = false;       // an anion named with 化: 氯化钠, 氢氧化钠
  bool written_first = false;  // an anion written before the cation: CH3COONa
  bool acid = false;           // an anion whose name alone is its acid: 硫酸
  bool hydrogen_salt = false;  // an anion that keeps an acid's hydrogen: 碳酸氢
  bool s_block_only = false;   // an anion only H and groups 1 and 2 form: 过氧
  int element = 0;             // a monatomic part's atomic number
};

// The cations of an element: its usual valence, then the one named 亚.
std::vector<Part> CationsOf(int atomic_number);
// 钠, 亚铁, 铵, 氢 as a cation; nullopt when the text is none.
std::optional<Part> CationNamed(std::string_view text);
// Every anion: the radicals, longest name first, then the elements'.
const std::vector<Part>& Anions();
// The monatomic anion of an element (氯 is Cl-), nullopt when none.
std::optional<Part> AnionOf(int atomic_number);

bool IsHydrogen(const Part& cation);

// How many of each part a neutral compound takes: cation count, anion count.
struct Counts {
  int cations;
  int anions;
};
Counts NeutralCounts(const Part& cation, const Part& anion);

// A part `count` times as a formula writes it: Na2, (SO4)3, Cl2.
std::string Times(const Part& part, int count);

// The compound of the two parts: 硫酸亚铁 and FeSO4, 硫酸 and H2SO4. The
// name is empty when the parts make no compound the rules name (氢 with
// 碳酸氢).
std::string CompoundName(const Part& cation, const Part& anion);
std::string CompoundFormula(const Part& cation, const Part& anion);

// An ion's formula as the reading takes it: Na+, Fe^3+, and MnO4^- (in
// MnO4- the 4 would be read as the charge's digits).
std::string IonFormula(const Part& ion);

}  // namespace quorvel::chemistry::names
