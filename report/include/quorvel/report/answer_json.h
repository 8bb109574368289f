#pragma once

// One chemistry answer as the JSON object `quorvel-cli --chemistry --json`
// prints a line, keys in the order a reader expects them; with `details`
// given, the "details" key as well (null when the answer has none).

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "quorvel/chemistry.h"
#include "quorvel/chemistry/details.h"

namespace quorvel::report {

nlohmann::ordered_json AnswerJson(const std::string& input, const chemistry::Answer& answer);

nlohmann::ordered_json AnswerJson(const std::string& input, const chemistry::Answer& answer,
                                  const std::optional<chemistry::Details>& details);

// The object as one line; text that is not UTF-8 shows U+FFFD where its faults are.
std::string JsonLine(const nlohmann::ordered_json& object);

}  // namespace quorvel::report
