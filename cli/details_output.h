#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "quorvel/chemistry/details.h"
#include "quorvel/messages.h"

// The details of an answer as the console shows them: labelled lines in the
// user's language, or the "details" object of --json (language-free: keys,
// decimal strings, formulas).
void PrintDetailsText(std::ostream& out, const quorvel::chemistry::Details& details,
                      quorvel::messages::Language language);

nlohmann::ordered_json DetailsJson(const quorvel::chemistry::Details& details);

// Why --given does not fit, in the user's language: "--given X=1g: ...".
std::string GivenErrorText(quorvel::chemistry::GivenError error, const std::string& subject,
                           quorvel::messages::Language language);
