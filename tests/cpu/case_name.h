#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quorvel::cpu {
// The same unnamed namespace as the including test's, so that the printer is
// found for its row types.
namespace {

// Names each parameterised case after its row.
template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& row) {
  return row.param.name;
}

// Prints a row as its name instead of its bytes.
template <class Case>
  requires requires(const Case& row) { row.name; }
void PrintTo(const Case& row, std::ostream* out) {
  *out << row.name;
}

}  // namespace
}  // namespace quorvel::cpu
