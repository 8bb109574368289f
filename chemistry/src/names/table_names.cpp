// Names no rule builds: organic, common, mixtures and polymers.

#include "table_names.h"

#include <array>

namespace quorvel::chemistry::names {
namespace {

using K = TableName::Kind;

// Sources: 人教版 九年级化学 上下册 (常见物质的俗名, 附录), 人教版 高中化学
// 必修第二册 第七章 有机化合物, 选择性必修3. A formula named twice as
// systematic is named by its first row; organic formulas are written as the
// textbooks write them, so that isomers keep apart (C2H5OH, CH3OCH3).
constexpr std::array<TableName, 70> kTable = {{
    // Molecules and forms of elements with a name of their own.
    {"水", "H2O", K::kSystematic},
    {"氨气", "NH3", K::kSystematic},
    {"氨", "NH3", K::kCommon},
    {"臭氧", "O3", K::kSystematic},
    {"红磷", "P", K::kCommon},
    {"白磷", "P", K::kCommon},
    {"金刚石", "C", K::kCommon},
    {"石墨", "C", K::kCommon},
    {"水银", "Hg", K::kCommon},
    {"一水合氨", "NH3·H2O", K::kSystematic},
    // Organic substances of the curriculum.
    {"甲烷", "CH4", K::kSystematic},
    {"乙烷", "C2H6", K::kSystematic},
    {"丙烷", "C3H8", K::kSystematic},
    {"丁烷", "C4H10", K::kSystematic},
    {"乙烯", "C2H4", K::kSystematic},
    {"丙烯", "C3H6", K::kSystematic},
    {"乙炔", "C2H2", K::kSystematic},
    {"苯", "C6H6", K::kSystematic},
    {"甲苯", "C6H5CH3", K::kSystematic},
    {"甲醇", "CH3OH", K::kSystematic},
    {"乙醇", "C2H5OH", K::kSystematic},
    {"二甲醚", "CH3OCH3", K::kSystematic},
    {"甲醛", "HCHO", K::kSystematic},
    {"乙醛", "CH3CHO", K::kSystematic},
    {"甲酸", "HCOOH", K::kSystematic},
    {"乙酸", "CH3COOH", K::kSystematic},
    {"乙酸乙酯", "CH3COOC2H5", K::kSystematic},
    {"乙二醇", "HOCH2CH2OH", K::kSystematic},
    {"丙三醇", "C3H5(OH)3", K::kSystematic},
    {"硝基苯", "C6H5NO2", K::kSystematic},
    {"溴苯", "C6H5Br", K::kSystematic},
    {"一氯甲烷", "CH3Cl", K::kSystematic},
    {"尿素", "CO(NH2)2", K::kSystematic},
    {"葡萄糖", "C6H12O6", K::kSystematic},
    {"蔗糖", "C12H22O11", K::kSystematic},
    {"淀粉", "C6H10O5", K::kPolymer},
    {"纤维素", "C6H10O5", K::kPolymer},
    {"聚乙烯", "C2H4", K::kPolymer},
    {"酒精", "C2H5OH", K::kCommon},
    {"醋酸", "CH3COOH", K::kCommon},
    {"甘油", "C3H5(OH)3", K::kCommon},
    // Common names of inorganic substances.
    {"纯碱", "Na2CO3", K::kCommon},
    {"苏打", "Na2CO3", K::kCommon},
    {"小苏打", "NaHCO3", K::kCommon},
    {"烧碱", "NaOH", K::kCommon},
    {"火碱", "NaOH", K::kCommon},
    {"苛性钠", "NaOH", K::kCommon},
    {"苛性钾", "KOH", K::kCommon},
    {"生石灰", "CaO", K::kCommon},
    {"熟石灰", "Ca(OH)2", K::kCommon},
    {"消石灰", "Ca(OH)2", K::kCommon},
    {"干冰", "CO2", K::kCommon},
    {"胆矾", "CuSO4·5H2O", K::kCommon},
    {"蓝矾", "CuSO4·5H2O", K::kCommon},
    {"绿矾", "FeSO4·7H2O", K::kCommon},
    {"铜绿", "Cu2(OH)2CO3", K::kCommon},
    {"明矾", "KAl(SO4)2·12H2O", K::kSystematic},
    {"石膏", "CaSO4·2H2O", K::kCommon},
    {"芒硝", "Na2SO4·10H2O", K::kCommon},
    // Mixtures and solutions, by their main substance.
    {"盐酸", "HCl", K::kMixture},
    {"石灰石", "CaCO3", K::kMixture},
    {"大理石", "CaCO3", K::kMixture},
    {"石灰水", "Ca(OH)2", K::kMixture},
    {"双氧水", "H2O2", K::kMixture},
    {"氨水", "NH3·H2O", K::kMixture},
    {"铁锈", "Fe2O3", K::kMixture},
    {"赤铁矿", "Fe2O3", K::kMixture},
    {"磁铁矿", "Fe3O4", K::kMixture},
    {"天然气", "CH4", K::kMixture},
    {"沼气", "CH4", K::kMixture},
}};

// 硫化铁 is Fe2S3 by the valence rule, but many texts call FeS so (its
// systematic name is 硫化亚铁).
constexpr std::array<std::string_view, 2> kIronSulfides = {"Fe2S3", "FeS"};

constexpr std::array<AmbiguousName, 1> kAmbiguous = {{
    {"硫化铁", kIronSulfides},
}};

}  // namespace

std::span<const TableName> TableNames() { return kTable; }

std::span<const AmbiguousName> AmbiguousNames() { return kAmbiguous; }

}  // namespace quorvel::chemistry::names
