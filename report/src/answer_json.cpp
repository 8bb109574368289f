// The answer's JSON object: one place for its keys and their order.
#include "quorvel/report/answer_json.h"

#include "quorvel/report/default_reading.h"
#include "quorvel/report/details.h"

namespace quorvel::report {

nlohmann::ordered_json AnswerJson(const std::string& input, const chemistry::Answer& answer) {
  using Json = nlohmann::ordered_json;
  return {{"input", input},
          {"result", answer.result},
          {"enthalpy", answer.enthalpy.empty() ? Json() : Json(answer.enthalpy)},
          {"ok", answer.ok()},
          {"coefficients", answer.coefficients},
          {"error", answer.ok() ? Json() : Json(answer.error)},
          {"reason", answer.ok() ? Json() : Json(chemistry::ReasonKey(answer.reason.kind))},
          {"notes", answer.notes},
          {"reactions", answer.reactions},
          {"default_reading_differences", DefaultReadingDifferences(answer)}};
}

nlohmann::ordered_json AnswerJson(const std::string& input, const chemistry::Answer& answer,
                                  const std::optional<chemistry::Details>& details) {
  nlohmann::ordered_json object = AnswerJson(input, answer);
  object["details"] = details ? DetailsJson(*details) : nlohmann::ordered_json();
  return object;
}

std::string JsonLine(const nlohmann::ordered_json& object) {
  return object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace quorvel::report
