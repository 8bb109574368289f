// Why an equation does not balance, as a reason with notes and the independent reactions.

#pragma once

#include <string>
#include <vector>

#include "quorvel/chemistry/equation.h"
#include "quorvel/chemistry/reason.h"
#include "quorvel/chemistry/solve.h"

namespace quorvel::chemistry::detail {

// Why an equation does not balance: the reason as data, with notes and the
// independent reactions in words a student follows.
struct Explanation {
  Reason reason;  // kNone when it balanced
  std::vector<Note> notes;
  std::vector<std::string> reactions;  // the independent reactions, as equations
};

Explanation Explain(const Equation& equation, const Solution& solution);

}  // namespace quorvel::chemistry::detail
