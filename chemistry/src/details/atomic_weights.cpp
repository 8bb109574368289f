// Atomic weights: the table Chinese exams print, and the standard atomic weights.

#include "atomic_weights.h"

#include <array>
#include <string_view>

#include "decimal.h"
#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::detail {
namespace {

// The table of relative atomic masses printed with Chinese 中考 and 高考
// papers (人教版 textbooks' appendix), in tenths: {atomic number, mass × 10}.
struct ExamEntry {
  int element;
  int tenths;
};
constexpr std::array<ExamEntry, 33> kExamTable = {{
    {1, 10},    {2, 40},    {3, 70},    {4, 90},    {5, 110},   {6, 120},   {7, 140},
    {8, 160},   {9, 190},   {10, 200},  {11, 230},  {12, 240},  {13, 270},  {14, 280},
    {15, 310},  {16, 320},  {17, 355},  {18, 400},  {19, 390},  {20, 400},  {24, 520},
    {25, 550},  {26, 560},  {29, 640},  {30, 650},  {35, 800},  {47, 1080}, {53, 1270},
    {56, 1370}, {78, 1950}, {79, 1970}, {80, 2010}, {82, 2070},
}};

// Standard atomic weights, CIAAW/IUPAC 2021 (Pure Appl. Chem. 94, 573),
// with the conventional value where the standard is an interval (H 1.008,
// C 12.011, ...). An element with no standard atomic weight has the mass
// number of its longest-lived isotope, as IUPAC's periodic table brackets it.
constexpr std::array<std::string_view, kElementCount> kStandard = {
    "1.008",        "4.002602",  "6.94",         "9.0121831", "10.81",       "12.011",
    "14.007",       "15.999",    "18.998403162", "20.1797",   "22.98976928", "24.305",
    "26.9815384",   "28.085",    "30.973761998", "32.06",     "35.45",       "39.95",
    "39.0983",      "40.078",    "44.955907",    "47.867",    "50.9415",     "51.9961",
    "54.938043",    "55.845",    "58.933194",    "58.6934",   "63.546",      "65.38",
    "69.723",       "72.630",    "74.921595",    "78.971",    "79.904",      "83.798",
    "85.4678",      "87.62",     "88.905838",    "91.222",    "92.90637",    "95.95",
    "97",           "101.07",    "102.90549",    "106.42",    "107.8682",    "112.414",
    "114.818",      "118.710",   "121.760",      "127.60",    "126.90447",   "131.293",
    "132.90545196", "137.327",   "138.90547",    "140.116",   "140.90766",   "144.242",
    "145",          "150.36",    "151.964",      "157.249",   "158.925354",  "162.500",
    "164.930329",   "167.259",   "168.934219",   "173.045",   "174.96669",   "178.486",
    "180.94788",    "183.84",    "186.207",      "190.23",    "192.217",     "195.084",
    "196.966570",   "200.592",   "204.38",       "207.2",     "208.98040",   "209",
    "210",          "222",       "223",          "226",       "227",         "232.0377",
    "231.03588",    "238.02891", "237",          "244",       "243",         "247",
    "247",          "251",       "252",          "257",       "258",         "259",
    "266",          "267",       "268",          "269",       "270",         "269",
    "278",          "281",       "282",          "285",       "286",         "289",
    "290",          "293",       "294",          "294",
};

// Atomic masses of the isotopes textbooks label, from the Atomic Mass
// Evaluation AME2020 (Chinese Phys. C 45, 030003), in u.
struct IsotopeEntry {
  int element;
  int mass_number;
  std::string_view mass;
};
constexpr std::array<IsotopeEntry, 11> kIsotopes = {{
    {1, 2, "2.01410177812"},
    {1, 3, "3.0160492779"},
    {6, 13, "13.00335483507"},
    {6, 14, "14.0032419884"},
    {7, 15, "15.00010889888"},
    {8, 17, "16.99913175650"},
    {8, 18, "17.99915961286"},
    {17, 35, "34.968852682"},
    {17, 37, "36.965902602"},
    {92, 235, "235.0439301"},
    {92, 238, "238.0507884"},
}};

Integer Scaled(const Rational& value) {
  const Rational scaled = value * kWeightScale;
  return boost::multiprecision::numerator(scaled);
}

const std::vector<Rational>& StandardWeights() {
  static const std::vector<Rational> weights = [] {
    std::vector<Rational> out;
    for (const std::string_view text : kStandard) out.push_back(*ParseDecimal(text));
    return out;
  }();
  return weights;
}

Integer StandardScaled(int element) {
  static const std::vector<Integer> weights = [] {
    std::vector<Integer> out;
    for (const Rational& weight : StandardWeights()) out.push_back(Scaled(weight));
    return out;
  }();
  return weights.at(static_cast<std::size_t>(element - 1));
}

// The exam table where it has the element, else the standard weight to one decimal.
const std::vector<AtomWeight>& ExamWeights() {
  static const std::vector<AtomWeight> weights = [] {
    std::vector<AtomWeight> out;
    for (const Rational& weight : StandardWeights()) {
      out.push_back({Scaled(RoundToDecimals(weight, 1)), true});
    }
    for (const ExamEntry& entry : kExamTable) {
      out[static_cast<std::size_t>(entry.element - 1)] = {
          Integer(entry.tenths) * (kWeightScale / 10), false};
    }
    return out;
  }();
  return weights;
}

}  // namespace

AtomWeight ExamAtomicMass(int element, int mass_number) {
  if (mass_number != 0) return {Integer(mass_number) * kWeightScale};
  return ExamWeights().at(static_cast<std::size_t>(element - 1));
}

AtomWeight MolarAtomicMass(int element, int mass_number) {
  if (mass_number == 0) return {StandardScaled(element)};
  for (const IsotopeEntry& entry : kIsotopes) {
    if (entry.element == element && entry.mass_number == mass_number) {
      return {Scaled(*ParseDecimal(entry.mass))};
    }
  }
  return {Integer(mass_number) * kWeightScale, true};
}

}  // namespace quorvel::chemistry::detail
