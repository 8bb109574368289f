#pragma once

// The chemistry mode's answer as the window shows it: what the console's
// chemistry mode prints for the line, or the failure text with its reason,
// and the composition matrix of the reading.
#include "quorvel/chemistry.h"
#include "quorvel/text.h"

namespace quorvel::form {

struct ChemistryTexts {
  Text result;  // for Text3
  Text matrix;  // for Text2: empty when the line cannot be read
};

// Runs the whole of the chemistry library's work: may take up to a second
// on hostile input, so the window calls it off its own thread.
ChemistryTexts BalanceChemistry(const Text& equation);

// The failure text and the reason in the window's language.
Text ChemistryFailureText(const chemistry::Answer& answer);

}  // namespace quorvel::form
