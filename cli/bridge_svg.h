#pragma once

#include <string>

#include "console_words.h"

// --bridge-svg FILE: the 双线桥 of one equation drawn as an SVG for a
// worksheet. Returns the exit status: kExitBalanced when written, kExitFailed
// when the equation did not balance (its reason is printed with the answer),
// kExitUsage with a message in the user's language when the answer has no
// bridges or FILE cannot be written.
int WriteBridgeSvg(const std::string& file, const std::string& equation, const ConsoleWords& words);
