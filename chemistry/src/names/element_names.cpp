// The Chinese names of the 118 elements and what naming needs of each.

#include "element_names.h"

#include <array>
#include <string_view>

#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::names {
namespace {

// In order of atomic number. Names: 全国科学技术名词审定委员会, 化学元素名称
// (1 to 112 as in the 人教版 periodic table; 113 to 118 as announced in 2017).
// Valences: 人教版 九年级化学 上册, 常见元素和根的化合价, with the few that high
// school adds (Sn, Cr, Au, Ti, Bi); an element without one is named only with
// number words (二氧化锰 for the valence that is not its usual one).
//   name, gas (named with 气), atoms in the substance, metal, valence,
//   valence named with 亚, valence as an anion
constexpr std::array<ElementFacts, kElementCount> kElements = {{
    {"氢", true, 2, false, 1, 0, 1},    // 1 H
    {"氦", true, 1, false, 0, 0, 0},    // 2 He
    {"锂", false, 1, true, 1, 0, 0},    // 3 Li
    {"铍", false, 1, true, 2, 0, 0},    // 4 Be
    {"硼", false, 1, false, 0, 0, 0},   // 5 B
    {"碳", false, 1, false, 0, 0, 0},   // 6 C
    {"氮", true, 2, false, 0, 0, 3},    // 7 N
    {"氧", true, 2, false, 0, 0, 2},    // 8 O
    {"氟", true, 2, false, 0, 0, 1},    // 9 F
    {"氖", true, 1, false, 0, 0, 0},    // 10 Ne
    {"钠", false, 1, true, 1, 0, 0},    // 11 Na
    {"镁", false, 1, true, 2, 0, 0},    // 12 Mg
    {"铝", false, 1, true, 3, 0, 0},    // 13 Al
    {"硅", false, 1, false, 0, 0, 0},   // 14 Si
    {"磷", false, 1, false, 0, 0, 3},   // 15 P
    {"硫", false, 1, false, 0, 0, 2},   // 16 S
    {"氯", true, 2, false, 0, 0, 1},    // 17 Cl
    {"氩", true, 1, false, 0, 0, 0},    // 18 Ar
    {"钾", false, 1, true, 1, 0, 0},    // 19 K
    {"钙", false, 1, true, 2, 0, 0},    // 20 Ca
    {"钪", false, 1, true, 0, 0, 0},    // 21 Sc
    {"钛", false, 1, true, 4, 0, 0},    // 22 Ti
    {"钒", false, 1, true, 0, 0, 0},    // 23 V
    {"铬", false, 1, true, 3, 2, 0},    // 24 Cr
    {"锰", false, 1, true, 2, 0, 0},    // 25 Mn
    {"铁", false, 1, true, 3, 2, 0},    // 26 Fe
    {"钴", false, 1, true, 2, 0, 0},    // 27 Co
    {"镍", false, 1, true, 2, 0, 0},    // 28 Ni
    {"铜", false, 1, true, 2, 1, 0},    // 29 Cu
    {"锌", false, 1, true, 2, 0, 0},    // 30 Zn
    {"镓", false, 1, true, 3, 0, 0},    // 31 Ga
    {"锗", false, 1, true, 0, 0, 0},    // 32 Ge
    {"砷", false, 1, false, 0, 0, 0},   // 33 As
    {"硒", false, 1, false, 0, 0, 2},   // 34 Se
    {"溴", false, 2, false, 0, 0, 1},   // 35 Br
    {"氪", true, 1, false, 0, 0, 0},    // 36 Kr
    {"铷", false, 1, true, 1, 0, 0},    // 37 Rb
    {"锶", false, 1, true, 2, 0, 0},    // 38 Sr
    {"钇", false, 1, true, 0, 0, 0},    // 39 Y
    {"锆", false, 1, true, 0, 0, 0},    // 40 Zr
    {"铌", false, 1, true, 0, 0, 0},    // 41 Nb
    {"钼", false, 1, true, 0, 0, 0},    // 42 Mo
    {"锝", false, 1, true, 0, 0, 0},    // 43 Tc
    {"钌", false, 1, true, 0, 0, 0},    // 44 Ru
    {"铑", false, 1, true, 0, 0, 0},    // 45 Rh
    {"钯", false, 1, true, 0, 0, 0},    // 46 Pd
    {"银", false, 1, true, 1, 0, 0},    // 47 Ag
    {"镉", false, 1, true, 2, 0, 0},    // 48 Cd
    {"铟", false, 1, true, 0, 0, 0},    // 49 In
    {"锡", false, 1, true, 4, 2, 0},    // 50 Sn
    {"锑", false, 1, true, 0, 0, 0},    // 51 Sb
    {"碲", false, 1, false, 0, 0, 0},   // 52 Te
    {"碘", false, 2, false, 0, 0, 1},   // 53 I
    {"氙", true, 1, false, 0, 0, 0},    // 54 Xe
    {"铯", false, 1, true, 1, 0, 0},    // 55 Cs
    {"钡", false, 1, true, 2, 0, 0},    // 56 Ba
    {"镧", false, 1, true, 0, 0, 0},    // 57 La
    {"铈", false, 1, true, 0, 0, 0},    // 58 Ce
    {"镨", false, 1, true, 0, 0, 0},    // 59 Pr
    {"钕", false, 1, true, 0, 0, 0},    // 60 Nd
    {"钷", false, 1, true, 0, 0, 0},    // 61 Pm
    {"钐", false, 1, true, 0, 0, 0},    // 62 Sm
    {"铕", false, 1, true, 0, 0, 0},    // 63 Eu
    {"钆", false, 1, true, 0, 0, 0},    // 64 Gd
    {"铽", false, 1, true, 0, 0, 0},    // 65 Tb
    {"镝", false, 1, true, 0, 0, 0},    // 66 Dy
    {"钬", false, 1, true, 0, 0, 0},    // 67 Ho
    {"铒", false, 1, true, 0, 0, 0},    // 68 Er
    {"铥", false, 1, true, 0, 0, 0},    // 69 Tm
    {"镱", false, 1, true, 0, 0, 0},    // 70 Yb
    {"镥", false, 1, true, 0, 0, 0},    // 71 Lu
    {"铪", false, 1, true, 0, 0, 0},    // 72 Hf
    {"钽", false, 1, true, 0, 0, 0},    // 73 Ta
    {"钨", false, 1, true, 0, 0, 0},    // 74 W
    {"铼", false, 1, true, 0, 0, 0},    // 75 Re
    {"锇", false, 1, true, 0, 0, 0},    // 76 Os
    {"铱", false, 1, true, 0, 0, 0},    // 77 Ir
    {"铂", false, 1, true, 0, 0, 0},    // 78 Pt
    {"金", false, 1, true, 3, 1, 0},    // 79 Au
    {"汞", false, 1, true, 2, 1, 0},    // 80 Hg
    {"铊", false, 1, true, 0, 0, 0},    // 81 Tl
    {"铅", false, 1, true, 2, 0, 0},    // 82 Pb
    {"铋", false, 1, true, 3, 0, 0},    // 83 Bi
    {"钋", false, 1, true, 0, 0, 0},    // 84 Po
    {"砹", false, 1, false, 0, 0, 0},   // 85 At
    {"氡", true, 1, false, 0, 0, 0},    // 86 Rn
    {"钫", false, 1, true, 0, 0, 0},    // 87 Fr
    {"镭", false, 1, true, 0, 0, 0},    // 88 Ra
    {"锕", false, 1, true, 0, 0, 0},    // 89 Ac
    {"钍", false, 1, true, 0, 0, 0},    // 90 Th
    {"镤", false, 1, true, 0, 0, 0},    // 91 Pa
    {"铀", false, 1, true, 0, 0, 0},    // 92 U
    {"镎", false, 1, true, 0, 0, 0},    // 93 Np
    {"钚", false, 1, true, 0, 0, 0},    // 94 Pu
    {"镅", false, 1, true, 0, 0, 0},    // 95 Am
    {"锔", false, 1, true, 0, 0, 0},    // 96 Cm
    {"锫", false, 1, true, 0, 0, 0},    // 97 Bk
    {"锎", false, 1, true, 0, 0, 0},    // 98 Cf
    {"锿", false, 1, true, 0, 0, 0},    // 99 Es
    {"镄", false, 1, true, 0, 0, 0},    // 100 Fm
    {"钔", false, 1, true, 0, 0, 0},    // 101 Md
    {"锘", false, 1, true, 0, 0, 0},    // 102 No
    {"铹", false, 1, true, 0, 0, 0},    // 103 Lr
    {"𬬻", false, 1, true, 0, 0, 0},  // 104 Rf
    {"𬭊", false, 1, true, 0, 0, 0},  // 105 Db
    {"𬭳", false, 1, true, 0, 0, 0},  // 106 Sg
    {"𬭛", false, 1, true, 0, 0, 0},  // 107 Bh
    {"𬭶", false, 1, true, 0, 0, 0},  // 108 Hs
    {"鿏", false, 1, true, 0, 0, 0},   // 109 Mt
    {"𫟼", false, 1, true, 0, 0, 0},    // 110 Ds
    {"𬬭", false, 1, true, 0, 0, 0},  // 111 Rg
    {"鿔", false, 1, true, 0, 0, 0},   // 112 Cn
    {"鿭", false, 1, true, 0, 0, 0},   // 113 Nh
    {"𫓧", false, 1, true, 0, 0, 0},    // 114 Fl
    {"镆", false, 1, true, 0, 0, 0},    // 115 Mc
    {"𫟷", false, 1, true, 0, 0, 0},    // 116 Lv
    {"鿬", false, 1, false, 0, 0, 0},  // 117 Ts
    {"鿫", false, 1, false, 0, 0, 0},  // 118 Og
}};

}  // namespace

const ElementFacts& Element(int atomic_number) {
  return kElements.at(static_cast<std::size_t>(atomic_number - 1));
}

int ElementByName(std::string_view name) {
  for (std::size_t i = 0; i < kElements.size(); ++i) {
    if (kElements[i].name == name) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace quorvel::chemistry::names
