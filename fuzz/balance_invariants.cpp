#include "balance_invariants.h"

#include <algorithm>
#include <set>

#include "literal_count.h"
#include "quorvel/elements.h"

namespace quorvel::fuzz {
namespace {

std::string Show(const Text& text) {
  std::string out;
  for (char32_t c : text) {
    if (c >= 32 && c < 127) {
      out.push_back(static_cast<char>(c));
    } else {
      out += "\\u{" + std::to_string(static_cast<unsigned long>(c)) + "}";
    }
  }
  return out;
}

// Splits at every `separator`, keeping empty pieces.
std::vector<Text> SplitAt(const Text& text, char32_t separator) {
  std::vector<Text> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == separator) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

bool IsCoefficientPrefix(const Text& prefix) {
  return prefix.empty() ||
         (prefix.size() == 1 && prefix[0] >= U'0' && prefix[0] <= U'9' && prefix[0] != U'1');
}

}  // namespace

Pieces ReadPieces(const Text& normalised) {
  Pieces pieces;
  if (normalised.empty()) return pieces;
  Text joined = normalised;
  bool left = true;
  for (char32_t& c : joined) {
    if (c == U'=') {
      if (left) ++pieces.reactants;
      left = false;
      c = U'+';
    } else if (c == U'+' && left) {
      ++pieces.reactants;
    }
  }
  if (left) pieces.reactants = 0;
  pieces.compounds = SplitAt(joined, U'+');
  return pieces;
}

ElementList ReadSymbols(const Text& normalised) {
  ElementList symbols;
  std::set<Text> seen;
  for (std::size_t p = 0; p < normalised.size(); ++p) {
    const char32_t c = normalised[p];
    if (!IsSymbolStart(c)) continue;
    Text symbol(1, c);
    if (p + 1 < normalised.size() && IsSymbolContinuation(normalised[p + 1])) {
      symbol.push_back(normalised[p + 1]);
    }
    if (!seen.insert(symbol).second) continue;
    if (symbols.empty()) symbols.emplace_back();
    symbols.push_back(symbol);
  }
  return symbols;
}

std::string CheckNormalised(const Text& normalised) {
  for (char32_t gone : {U' ', U'-', U'\uFF08', U'\uFF09', U'\uFF0B'}) {
    if (normalised.find(gone) != Text::npos) {
      return "normalised text still holds U+" + std::to_string(static_cast<unsigned long>(gone)) +
             ": " + Show(normalised);
    }
  }
  return {};
}

std::string CheckMatrixText(const Text& matrix_text, const Pieces& pieces,
                            const ElementList& symbols, bool check_counts) {
  const std::size_t rows = symbols.empty() ? 0 : symbols.size() - 1;
  std::vector<Text> lines = SplitAt(matrix_text, U'\n');
  // The text ends with CR LF, so the last piece after the final LF is empty.
  if (lines.empty() || !lines.back().empty()) return "matrix text does not end with LF";
  lines.pop_back();
  if (lines.size() != rows) {
    return "matrix text has " + std::to_string(lines.size()) + " lines for " +
           std::to_string(rows) + " symbols";
  }
  for (std::size_t e = 0; e < rows; ++e) {
    Text line = lines[e];
    if (line.empty() || line.back() != U'\r') return "matrix line without CR: " + Show(line);
    line.pop_back();
    std::size_t at = 0;
    for (std::size_t c = 0; c < pieces.compounds.size(); ++c) {
      const std::size_t start = at;
      if (at < line.size() && line[at] == U'-') ++at;
      const std::size_t digits = at;
      while (at < line.size() && line[at] >= U'0' && line[at] <= U'9') ++at;
      const Text number = line.substr(start, at - start);
      if (at == digits) return "matrix field without digits: " + Show(line);
      if (at - digits > 1 && line[digits] == U'0') return "leading zero: " + Show(number);
      if (number == U"-0") return "negative zero in the matrix text";
      if (line.compare(at, 4, U"    ") != 0) return "field not followed by four spaces";
      at += 4;
      if (check_counts) {
        const Text& compound = pieces.compounds[c];
        const int count = reference::CountAtoms(compound, symbols[e + 1]);
        const bool reactant = static_cast<long long>(c) < pieces.reactants;
        const int expected = reactant ? count : -count;
        const std::string decimal = std::to_string(expected);
        if (number != Text(decimal.begin(), decimal.end())) {
          return "entry for " + Show(symbols[e + 1]) + " in " + Show(compound) + " is " +
                 Show(number) + ", expected " + std::to_string(expected);
        }
      }
    }
    if (at != line.size()) return "matrix line has more fields than compounds: " + Show(line);
  }
  return {};
}

std::string CheckResultKeepsCompounds(const Text& result, const Pieces& pieces) {
  // With no reactants the count of "+" is already past zero when the result
  // opens with "+", and nothing is replaced.
  const bool untouched = pieces.reactants == 0 && !result.empty() && result[0] == U'+';
  const std::size_t equals = untouched ? result.size() : result.find(U'=');
  if (untouched && result.find(U'=') != Text::npos) return "unexpected \"=\": " + Show(result);
  if (!untouched && equals == Text::npos) return "result without \"=\": " + Show(result);
  if (!untouched && result.find(U'=', equals + 1) != Text::npos) return "result with two \"=\"";
  Text joined = result;
  if (!untouched) joined[equals] = U'+';
  std::size_t from = 0;
  if (pieces.reactants == 0 && !untouched) {
    // With no reactants the very first character became "=": it was the
    // first compound's coefficient, its first letter, or the first "+".
    if (equals != 0) return "no reactants, yet \"=\" is not first: " + Show(result);
    from = 1;
  }
  const std::vector<Text> parts = SplitAt(joined.substr(from), U'+');
  const std::size_t skipped = parts.size() + 1 == pieces.compounds.size() ? 1 : 0;
  if (parts.size() + skipped != pieces.compounds.size()) {
    return "result has " + std::to_string(parts.size()) + " parts for " +
           std::to_string(pieces.compounds.size()) + " compounds: " + Show(result);
  }
  if (skipped == 1 && !pieces.compounds[0].empty()) {
    return "a compound went missing from the result: " + Show(result);
  }
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const Text& compound = pieces.compounds[i + skipped];
    const Text& part = parts[i];
    bool ok = false;
    if (i == 0 && from == 1) {
      // Lost its first character: either the coefficient or the compound's.
      ok = part == compound || (!compound.empty() && part == compound.substr(1));
    } else if (part.size() >= compound.size() &&
               part.compare(part.size() - compound.size(), compound.size(), compound) == 0) {
      ok = IsCoefficientPrefix(part.substr(0, part.size() - compound.size()));
    }
    if (!ok) return "result part " + Show(part) + " does not hold " + Show(compound);
  }
  if (!untouched && from == 0 &&
      static_cast<long long>(
          std::count(result.begin(), result.begin() + static_cast<std::ptrdiff_t>(equals), U'+')) +
              1 !=
          pieces.reactants) {
    return "\"=\" does not close the reactants: " + Show(result);
  }
  return {};
}

}  // namespace quorvel::fuzz
