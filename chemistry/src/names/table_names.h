// Names no rule builds: organic, common, mixtures and polymers.

#pragma once

#include <span>
#include <string_view>

namespace quorvel::chemistry::names {

// A name the rules do not build: organic substances, a few molecules with a
// name of their own (水, 氨), and the common names textbooks use (纯碱).
struct TableName {
  enum class Kind {
    kSystematic,  // the name a formula is given: 甲烷 for CH4, 水 for H2O
    kCommon,      // another name of a pure substance: 纯碱 is 碳酸钠
    kMixture,     // a mixture or solution, read as its main substance: 石灰石, 盐酸
    kPolymer,     // (C6H10O5)n, balanced per unit
  };
  std::string_view name;
  std::string_view formula;  // as the reading takes it
  Kind kind;
};

std::span<const TableName> TableNames();

// A name that means several substances; the reading asks which.
struct AmbiguousName {
  std::string_view name;
  std::span<const std::string_view> formulas;
};

std::span<const AmbiguousName> AmbiguousNames();

}  // namespace quorvel::chemistry::names
