#pragma once

#include "quorvel/chemistry/reason.h"

// The language the user reads: Chinese when their language is Chinese,
// English otherwise.
quorvel::chemistry::Language UserLanguage();
