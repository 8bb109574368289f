// Which of the four basic reaction types an answer is, by the textbook's definitions.

#pragma once

#include "quorvel/chemistry/details.h"

namespace quorvel::chemistry::detail {

struct TypeOfReaction {
  ReactionType type = ReactionType::kNone;
  bool neutralization = false;
  bool ionic = false;  // an ion or the electron takes part: none of the four
};

// The four basic types as textbooks define them: 化合 (several make one),
// 分解 (one makes several), 置换 (an element and a compound make another
// element and compound), 复分解 (two compounds exchange their ions, no
// state changing; H2CO3, H2SO3 and NH3·H2O fall apart as they form). An
// ionic equation or a half-reaction is none of them. `redox_free` says whether no state changes.
TypeOfReaction ClassifyReaction(const Equation& equation, bool redox_free);

}  // namespace quorvel::chemistry::detail
