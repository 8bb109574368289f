#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quorvel_hardening {

// Names each parameterised case after its row.
struct RowName {
  template <class Row>
  std::string operator()(const testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};

}  // namespace quorvel_hardening
