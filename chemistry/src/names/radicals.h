// The radicals with their charges: acid families and the prefixes 高/亚/次/偏.

#pragma once

#include <string>
#include <vector>

namespace quorvel::chemistry::names {

// A group of atoms that moves through reactions as one, with its charge.
struct Radical {
  enum class Kind {
    kAcid,    // from an acid: 硫酸钠, 硫酸根离子, and the acid itself (硫酸)
    kBinary,  // named like an element's anion, with 化: 氢氧化钠, 氢氧根离子
    kCation,  // a cation: 硫酸铵, 铵根离子
  };
  std::string name;     // 硫酸, 碳酸氢, 高锰酸, 氢氧, 铵
  std::string formula;  // SO4, HCO3, MnO4, OH, NH4
  int charge = 0;       // -2 for SO4
  Kind kind = Kind::kAcid;
  bool written_first = false;  // before the cation: CH3COONa
  bool acid = true;            // its name alone is an acid: 硫酸 (not 碳酸氢)
  bool hydrogen_salt = false;  // keeps an acid's hydrogen: 磷酸氢二钠 names its cation count
  // Only hydrogen and the metals of groups 1 and 2 form it (Na2O2, BaO2,
  // H2O2): MnO2 is 二氧化锰, not a peroxide.
  bool s_block_only = false;
};

// Every radical the rules know, built once from the acid families and the
// radicals no family gives. Longer names come before the names they start
// with (碳酸氢 before 碳酸), so the first match of a name's start is the one.
const std::vector<Radical>& Radicals();

}  // namespace quorvel::chemistry::names
