#include "chemistry_mode.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "default_reading.h"
#include "exit_status.h"
#include "quorvel/chemistry.h"

namespace {

using quorvel::chemistry::Answer;

using quorvel::chemistry::Explain;
using quorvel::chemistry::ReasonKey;

void PrintText(const Answer& answer, const std::string& where, const ConsoleWords& words) {
  std::cout << answer.result << '\n';
  const std::string prefix = words.Where(where);
  if (!answer.ok()) std::cerr << prefix << Explain(answer.reason, words.language()) << '\n';
  for (std::size_t k = 0; k < answer.reactions.size(); ++k) {
    std::cerr << prefix << words.Reaction(k + 1) << answer.reactions[k] << '\n';
  }
  for (const std::string& note : answer.notes) std::cerr << prefix << words.Note() << note << '\n';
}

void PrintJson(const std::string& line, const Answer& answer) {
  // The keys in the order a reader expects them, not sorted.
  const nlohmann::ordered_json object = {
      {"input", line},
      {"result", answer.result},
      {"ok", answer.ok()},
      {"coefficients", answer.coefficients},
      {"error", answer.ok() ? nlohmann::ordered_json() : nlohmann::ordered_json(answer.error)},
      {"reason", answer.ok() ? nlohmann::ordered_json()
                             : nlohmann::ordered_json(ReasonKey(answer.reason.kind))},
      {"notes", answer.notes},
      {"reactions", answer.reactions},
      {"default_reading_differences", DefaultReadingDifferences(answer)}};
  // Input that is not UTF-8 is shown with U+FFFD where its faults are.
  std::cout << object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
}

}  // namespace

void ChemistrySession::Answer(const std::string& line, const std::string& where) {
  const ::Answer answer = quorvel::chemistry::Balance(line);
  if (answer.status == ::Answer::Status::kInvalidUtf8) {
    bad_input_ = true;
    if (json_)
      std::cerr << words_.Where(where) << Explain(answer.reason, words_.language()) << '\n';
  } else if (!answer.ok()) {
    failed_ = true;
  }
  if (json_) {
    PrintJson(line, answer);
  } else {
    PrintText(answer, where, words_);
  }
  std::cout.flush();
}

int ChemistrySession::ExitStatus() const { return ExitStatusFor(failed_, bad_input_); }
