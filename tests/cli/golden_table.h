#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace quorvel_test {

// A golden table: per line an equation, a tab, then what quorvel-cli answers
// for it. Lines starting with "#" and empty lines are skipped.
struct GoldenRow {
  int line = 0;
  std::string equation;
  std::string expected;
};

inline void PrintTo(const GoldenRow& row, std::ostream* out) { *out << row.equation; }

std::vector<GoldenRow> LoadGolden(const std::string& path);

struct GoldenName {
  std::string operator()(const testing::TestParamInfo<GoldenRow>& info) const {
    return "line_" + std::to_string(info.param.line);
  }
};

}  // namespace quorvel_test
