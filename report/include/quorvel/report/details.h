#pragma once

// The details of an answer as users read them: labelled lines in the user's
// language (the console's --details block, the window's 详解 pane and the web
// page show the same lines), or the "details" object of --json
// (language-free: keys, decimal strings, formulas).
//
//   const auto described = quorvel::chemistry::Describe(answer);
//   for (const std::string& line : quorvel::report::DetailsLines(*described.details, language))
//     show(line);  // "相对分子质量：KMnO4 高锰酸钾 158，...", "质量比：316 : 197 : 87 : 32", ...

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "quorvel/chemistry/details.h"
#include "quorvel/messages.h"

namespace quorvel::report {

std::vector<std::string> DetailsLines(const chemistry::Details& details,
                                      messages::Language language);

nlohmann::ordered_json DetailsJson(const chemistry::Details& details);

// Why a given amount does not fit, in the user's language: "X=1g: ...".
std::string GivenErrorText(chemistry::GivenError error, const std::string& subject,
                           messages::Language language);

}  // namespace quorvel::report
