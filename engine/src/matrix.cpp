#include <array>
#include <string>

#include "quorvel/atoms.h"
#include "quorvel/search.h"

namespace quorvel {
namespace {

constexpr std::int32_t kCountCap = 32767;
constexpr char32_t kFirstStart = 65;
constexpr char32_t kLastStart = 95;
constexpr char32_t kFirstContinuation = 97;
constexpr char32_t kLastContinuation = 122;
constexpr std::size_t kStarts = kLastStart - kFirstStart + 1;
constexpr std::size_t kContinuations = kLastContinuation - kFirstContinuation + 1;
constexpr int kNoElement = 0;

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsParenthesis(char32_t c) { return c == U'(' || c == U')'; }
bool IsStart(char32_t c) { return c >= kFirstStart && c <= kLastStart; }
bool IsContinuation(char32_t c) { return c >= kFirstContinuation && c <= kLastContinuation; }

// Where each listed symbol can be found from its characters, so that one walk
// over a compound counts every element at once. CountAtoms walks the whole
// compound once per element; on a long paste with many symbols that is the
// number of elements times the length of the text.
//
// Only the symbols the scanner can list (a start character, optionally one
// lower-case letter) go in the tables; anything else, and a symbol listed
// twice, is counted by CountAtoms itself so the numbers stay the same.
class SymbolIndex {
 public:
  explicit SymbolIndex(const ElementList& elements) {
    for (std::size_t e = 1; e < elements.size(); ++e) {
      const Text& symbol = elements[e];
      int* slot = SlotFor(symbol);
      if (slot != nullptr && *slot == kNoElement) {
        *slot = static_cast<int>(e);
      } else {
        by_count_atoms_.push_back(static_cast<int>(e));
      }
    }
  }

  int Single(char32_t start) const { return single_[start - kFirstStart]; }
  int Pair(char32_t start, char32_t continuation) const {
    return pair_[(start - kFirstStart) * kContinuations + (continuation - kFirstContinuation)];
  }
  const std::vector<int>& ByCountAtoms() const { return by_count_atoms_; }

 private:
  int* SlotFor(const Text& symbol) {
    if (symbol.size() == 1 && IsStart(symbol[0])) return &single_[symbol[0] - kFirstStart];
    if (symbol.size() == 2 && IsStart(symbol[0]) && IsContinuation(symbol[1])) {
      return &pair_[(symbol[0] - kFirstStart) * kContinuations + (symbol[1] - kFirstContinuation)];
    }
    return nullptr;
  }

  std::array<int, kStarts> single_{};
  std::array<int, kStarts * kContinuations> pair_{};
  std::vector<int> by_count_atoms_;
};

// The counts of one compound for every element in the tables, by the same
// match rule as CountAtoms: what the character after each match adds, the
// group factor decided by the symbol's first occurrence, the 32767 cap.
class CompoundCounter {
 public:
  explicit CompoundCounter(std::size_t slots) : counts_(slots, 0), factor_(slots, kUnseen) {}

  void Count(const Text& compound, const SymbolIndex& index) {
    for (int e : touched_) {
      counts_[static_cast<std::size_t>(e)] = 0;
      factor_[static_cast<std::size_t>(e)] = kUnseen;
    }
    touched_.clear();

    const std::size_t length = compound.size();
    open_ = compound.find(U'(');
    close_ = compound.find(U')');
    group_digit_ = 0;
    if (close_ != Text::npos && close_ + 1 < length && IsDigit(compound[close_ + 1])) {
      group_digit_ = static_cast<std::int32_t>(compound[close_ + 1] - U'0');
    }

    for (std::size_t i = 0; i < length; ++i) {
      const char32_t c = compound[i];
      if (!IsStart(c)) continue;
      if (const int single = index.Single(c); single != kNoElement) {
        Match(compound, single, i, 1);
      }
      if (i + 1 < length && IsContinuation(compound[i + 1])) {
        if (const int pair = index.Pair(c, compound[i + 1]); pair != kNoElement) {
          Match(compound, pair, i, 2);
        }
      }
    }
  }

  std::int16_t At(int e) const {
    return static_cast<std::int16_t>(counts_[static_cast<std::size_t>(e)]);
  }

 private:
  static constexpr std::int32_t kUnseen = -1;

  // The factor of the group between the first "(" and the first ")" for a
  // symbol first found at `first`; a group with no digit after it has none.
  std::int32_t FactorAt(std::size_t first) const {
    if (open_ == Text::npos || close_ == Text::npos) return 0;
    return first > open_ && first < close_ ? group_digit_ : 0;
  }

  void Match(const Text& compound, int e, std::size_t i, std::size_t k) {
    const auto slot = static_cast<std::size_t>(e);
    // A match can only be a symbol's first occurrence when nothing was seen
    // before it: every occurrence of the symbol's text is a match.
    if (factor_[slot] == kUnseen) {
      factor_[slot] = FactorAt(i);
      touched_.push_back(e);
    }
    std::int32_t amount = 0;
    if (i + k == compound.size()) {
      amount = 1;  // the last character: the factor is not used
    } else {
      const char32_t next = compound[i + k];
      const std::int32_t factor = factor_[slot];
      if (IsStart(next) || IsParenthesis(next)) {
        amount = factor == 0 ? 1 : factor;
      } else if (IsDigit(next)) {
        const auto digit = static_cast<std::int32_t>(next - U'0');
        amount = factor == 0 ? digit : digit * factor;
      }
    }
    if (counts_[slot] + amount <= kCountCap) counts_[slot] += amount;
  }

  std::vector<std::int32_t> counts_;
  std::vector<std::int32_t> factor_;
  std::vector<int> touched_;
  std::size_t open_ = Text::npos;
  std::size_t close_ = Text::npos;
  std::int32_t group_digit_ = 0;
};

void AppendDecimal(Text& out, std::int16_t value) {
  std::array<char32_t, 8> digits{};
  std::size_t used = 0;
  std::int32_t rest = value < 0 ? -static_cast<std::int32_t>(value) : value;
  do {
    digits[used++] = static_cast<char32_t>(U'0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (value < 0) out.push_back(U'-');
  while (used > 0) out.push_back(digits[--used]);
}

std::size_t DecimalLength(std::int16_t value) {
  std::size_t length = value < 0 ? 2 : 1;
  for (std::int32_t rest = value < 0 ? -static_cast<std::int32_t>(value) : value; rest >= 10;
       rest /= 10) {
    ++length;
  }
  return length;
}

}  // namespace

CompositionMatrix BuildMatrix(const CompoundList& compounds, std::int16_t reactant_count,
                              const ElementList& elements) {
  const int n = elements.empty() ? 0 : static_cast<int>(elements.size()) - 1;
  CompositionMatrix matrix(static_cast<int>(compounds.size()), n);
  if (n == 0) return matrix;

  const SymbolIndex index(elements);
  CompoundCounter counter(elements.size());
  for (int c = 0; c < matrix.compounds(); ++c) {
    const Text& compound = compounds[static_cast<std::size_t>(c)];
    const bool reactant = c < reactant_count;
    counter.Count(compound, index);
    auto store = [&](int e, std::int16_t count) {
      matrix.Set(c, e, reactant ? count : static_cast<std::int16_t>(-count));
    };
    for (int e = 1; e <= n; ++e) store(e, counter.At(e));
    for (int e : index.ByCountAtoms()) {
      store(e, CountAtoms(compound, elements[static_cast<std::size_t>(e)]));
    }
  }
  return matrix;
}

Text FormatMatrixText(const CompositionMatrix& matrix) {
  static constexpr std::u32string_view kFieldEnd = U"    ";
  static constexpr std::u32string_view kLineEnd = U"\r\n";
  // Sized up front: on a long paste the text runs to many megabytes, and
  // growing it by doubling would hold up to twice that.
  std::size_t size = 0;
  for (int e = 1; e <= matrix.elements(); ++e) {
    for (int c = 0; c < matrix.compounds(); ++c) {
      size += DecimalLength(matrix.At(c, e)) + kFieldEnd.size();
    }
    size += kLineEnd.size();
  }
  Text out;
  out.reserve(size);
  for (int e = 1; e <= matrix.elements(); ++e) {
    for (int c = 0; c < matrix.compounds(); ++c) {
      AppendDecimal(out, matrix.At(c, e));
      out += kFieldEnd;
    }
    out += kLineEnd;
  }
  return out;
}

}  // namespace quorvel
