// One formula and one symbol: the counter against its rules read literally,
// the element scan against its rules, and the one-pass matrix against both.
// Input: the symbol, a line feed, then the formula.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "balance_invariants.h"
#include "lenient_text.h"
#include "literal_count.h"
#include "quorvel/atoms.h"
#include "quorvel/elements.h"
#include "quorvel/search.h"

namespace {

using quorvel::Text;
namespace fuzz = quorvel::fuzz;

constexpr std::size_t kLiteralLength = 512;

[[noreturn]] void Fail(const char* what, const Text& formula, const Text& symbol) {
  std::fprintf(stderr, "invariant broken: %s\nsymbol: %s\nformula: %s\n", what,
               quorvel::EncodeUtf8(symbol).c_str(), quorvel::EncodeUtf8(formula).c_str());
  std::abort();
}

void CheckCount(const Text& formula, const Text& symbol) {
  const std::int16_t count = quorvel::CountAtoms(formula, symbol);
  if (count < 0) Fail("negative count", formula, symbol);
  if (count != quorvel::CountAtoms(formula, symbol)) Fail("count not repeatable", formula, symbol);
  // The literal rules look the group up afresh at every match: quadratic, so
  // they are only followed on formulas of moderate length.
  if (formula.size() <= kLiteralLength &&
      count != quorvel::reference::CountAtoms(formula, symbol)) {
    Fail("count differs from the literal rules", formula, symbol);
  }
  if (quorvel::GroupMultiplier(formula, symbol) !=
      quorvel::reference::GroupMultiplier(formula, symbol)) {
    Fail("group factor differs from the literal rules", formula, symbol);
  }
  const bool can_match =
      !symbol.empty() && symbol.size() <= 2 && formula.find(symbol) != Text::npos;
  if (!can_match && count != 0) Fail("count for a symbol that cannot match", formula, symbol);
}

void CheckElements(const Text& formula, const quorvel::ElementList& elements) {
  const Text none;
  if (elements.empty()) {
    for (char32_t c : formula) {
      if (quorvel::IsSymbolStart(c)) Fail("symbol start found but nothing listed", formula, none);
    }
    return;
  }
  if (!elements[0].empty()) Fail("slot 0 is not empty", formula, none);
  std::set<Text> distinct;
  std::size_t last_first = 0;
  for (std::size_t e = 1; e < elements.size(); ++e) {
    const Text& s = elements[e];
    if (s.empty() || s.size() > 2 || !quorvel::IsSymbolStart(s[0]) ||
        (s.size() == 2 && !quorvel::IsSymbolContinuation(s[1]))) {
      Fail("listed symbol has the wrong shape", formula, s);
    }
    if (!distinct.insert(s).second) Fail("symbol listed twice", formula, s);
    // The first place the symbol stands as a symbol: a start character not
    // followed by a continuation for one letter, the pair for two.
    std::size_t first = Text::npos;
    for (std::size_t p = formula.find(s); p != Text::npos; p = formula.find(s, p + 1)) {
      const bool followed = p + 1 < formula.size() && quorvel::IsSymbolContinuation(formula[p + 1]);
      if (s.size() == 2 || !followed) {
        first = p;
        break;
      }
    }
    if (first == Text::npos) Fail("listed symbol does not stand in the text", formula, s);
    if (e > 1 && first <= last_first) Fail("symbols out of first-occurrence order", formula, s);
    last_first = first;
  }
}

void CheckMatrix(const Text& formula, const Text& symbol, quorvel::ElementList elements) {
  // The given symbol joins the list too, so that irregular and repeated
  // symbols reach the matrix as well.
  if (elements.empty()) elements.emplace_back();
  elements.push_back(symbol);
  const quorvel::CompoundList compounds = {formula, formula, symbol};
  const quorvel::CompositionMatrix matrix = quorvel::BuildMatrix(compounds, 1, elements);
  for (std::size_t e = 1; e < elements.size(); ++e) {
    const int ei = static_cast<int>(e);
    const std::int16_t count = quorvel::CountAtoms(formula, elements[e]);
    if (matrix.At(0, ei) != count)
      Fail("reactant entry differs from CountAtoms", formula, elements[e]);
    if (matrix.At(1, ei) != -count)
      Fail("product entry differs from CountAtoms", formula, elements[e]);
    if (matrix.At(2, ei) != -quorvel::CountAtoms(symbol, elements[e])) {
      Fail("entry for the symbol as a compound differs", symbol, elements[e]);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input = fuzz::DecodeLeniently(data, size);
  const std::size_t newline = input.find(U'\n');
  const Text symbol = newline == Text::npos ? Text() : input.substr(0, newline);
  const Text formula = newline == Text::npos ? input : input.substr(newline + 1);

  CheckCount(formula, symbol);
  quorvel::ElementList elements;
  quorvel::CollectElements(formula, elements);
  CheckElements(formula, elements);
  if (elements != fuzz::ReadSymbols(formula))
    Fail("element list differs from a plain scan", formula, symbol);
  for (std::size_t e = 1; e < elements.size(); ++e) CheckCount(formula, elements[e]);
  CheckMatrix(formula, symbol, elements);
  return 0;
}
