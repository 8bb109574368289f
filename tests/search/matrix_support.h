#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "quorvel/search.h"

namespace quorvel_test {

using RowList = std::vector<std::vector<int>>;

// Rows are elements in walk order; each row has one entry per compound.
inline quorvel::CompositionMatrix MatrixFromRows(int compounds, const RowList& rows) {
  quorvel::CompositionMatrix matrix(compounds, static_cast<int>(rows.size()));
  for (std::size_t e = 0; e < rows.size(); ++e) {
    for (int c = 0; c < compounds; ++c) {
      matrix.Set(c, static_cast<int>(e) + 1,
                 static_cast<std::int16_t>(rows[e][static_cast<std::size_t>(c)]));
    }
  }
  return matrix;
}

inline std::string Describe(const quorvel::SearchResult& result) {
  switch (result.outcome) {
    case quorvel::SearchOutcome::kFound:
      return "found " + result.digits;
    case quorvel::SearchOutcome::kNotFound:
      return "not found";
    case quorvel::SearchOutcome::kOverflow:
      return "overflow";
  }
  return "?";
}

inline std::string Describe(const quorvel::CompositionMatrix& matrix) {
  std::string out;
  for (int e = 1; e <= matrix.elements(); ++e) {
    out += "{";
    for (int c = 0; c < matrix.compounds(); ++c) {
      out += std::to_string(matrix.At(c, e)) + (c + 1 < matrix.compounds() ? "," : "");
    }
    out += "} ";
  }
  return out;
}

inline const std::function<bool()>& NeverClosing() {
  static const std::function<bool()> yield = [] { return true; };
  return yield;
}

}  // namespace quorvel_test
