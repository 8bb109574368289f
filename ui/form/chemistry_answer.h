#pragma once

// The chemistry mode's answer as the window shows it: what the console's
// chemistry mode prints for the line, or the failure text with its reason,
// the composition matrix of the reading, and the 详解 pane's lines, the same
// the console's --details prints.
#include <memory>

#include "quorvel/chemistry.h"
#include "quorvel/chemistry/details.h"
#include "quorvel/text.h"

namespace quorvel::form {

struct ChemistryTexts {
  // False for amounts worked out again: only the pane changes then.
  bool balanced_now = true;
  Text result;   // for Text3
  Text matrix;   // for Text2: empty when the line cannot be read
  Text details;  // for Text4: one line per row, "\n" between them
  // The line of `details` the pane scrolls to after the amounts are worked
  // out: where they begin, or why they do not fit.
  std::size_t amounts_line = 0;
  // For the amounts and the drawing: the balanced answer and its details;
  // null when the line did not balance.
  std::shared_ptr<const chemistry::Answer> answer;
  std::shared_ptr<const chemistry::Details> described;
};

// Runs the whole of the chemistry library's work: may take up to a second
// on hostile input, so the window calls it off its own thread.
ChemistryTexts BalanceChemistry(const Text& equation);

// The pane again for a balanced answer with the amounts the 已知 box gives:
// the details with the amounts' lines, or the details and why the amounts do
// not fit. Off the window's thread too.
ChemistryTexts DescribeAmounts(std::shared_ptr<const chemistry::Answer> answer, const Text& given);

// The failure text and the reason in the window's language.
Text ChemistryFailureText(const chemistry::Answer& answer);

}  // namespace quorvel::form
