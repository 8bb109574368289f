// From a name to its formula: a concentration word first (稀, 浓), then the
// tables, then the rules; a name none of them knows is refused with the
// known names close to it.

#include <array>
#include <string>

#include "name_rules.h"
#include "quorvel/chemistry/names.h"
#include "suggestions.h"
#include "table_names.h"

namespace quorvel::chemistry {
namespace {

using Kind = names::TableName::Kind;

constexpr std::array<std::string_view, 2> kConcentrations = {"稀", "浓"};

bool FromTable(std::string_view name, NameReading& reading) {
  for (const names::TableName& entry : names::TableNames()) {
    if (entry.name != name) continue;
    reading.formula = entry.formula;
    const std::string quoted = std::string(name);
    if (entry.kind == Kind::kMixture) {
      reading.notes.push_back({NoteKind::kMixtureRead, {quoted, reading.formula}});
    } else if (entry.kind == Kind::kPolymer) {
      reading.notes.push_back({NoteKind::kPolymerRead, {quoted, reading.formula}});
    }
    return true;
  }
  return false;
}

bool Ambiguous(std::string_view name, NameReading& reading) {
  for (const names::AmbiguousName& entry : names::AmbiguousNames()) {
    if (entry.name != name) continue;
    reading.reason.kind = ReasonKind::kAmbiguousName;
    reading.reason.text = name;
    for (const std::string_view formula : entry.formulas)
      reading.reason.items.emplace_back(formula);
    return true;
  }
  return false;
}

}  // namespace

NameReading FormulaForName(std::string_view name) {
  NameReading reading;
  std::string_view substance = name;
  for (const std::string_view word : kConcentrations) {
    if (name.starts_with(word) && name.size() > word.size()) {
      reading.concentration = word;
      substance.remove_prefix(word.size());
    }
  }
  if (FromTable(substance, reading)) return reading;
  if (Ambiguous(substance, reading)) {
    reading.reason.text = name;
    return reading;
  }
  if (std::optional<std::string> formula = names::BuildFormula(substance)) {
    reading.formula = std::move(*formula);
    return reading;
  }
  reading.concentration.clear();
  reading.reason.kind = ReasonKind::kUnknownName;
  reading.reason.text = name;
  reading.reason.other_items = names::Suggestions(name);
  return reading;
}

}  // namespace quorvel::chemistry
