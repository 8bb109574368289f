#include "chemistry_mode.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "default_reading.h"
#include "details_output.h"
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
  for (const quorvel::chemistry::Note& note : answer.note_reasons) {
    std::cerr << prefix << words.Note() << Explain(note, words.language()) << '\n';
  }
}

void PrintJson(const std::string& line, const Answer& answer,
               const nlohmann::ordered_json* details) {
  // The keys in the order a reader expects them, not sorted.
  nlohmann::ordered_json object = {
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
  if (details != nullptr) object["details"] = *details;
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
  std::optional<quorvel::chemistry::Details> details;
  if (details_.details && answer.ok()) {
    auto described = quorvel::chemistry::Describe(answer, details_.given);
    if (described.error != quorvel::chemistry::GivenError::kNone) {
      // A given amount that does not fit this equation is a usage error, never a guess.
      bad_input_ = true;
      std::cerr << words_.Where(where)
                << GivenErrorText(described.error, described.error_formula, words_.language())
                << '\n';
    }
    details = std::move(described.details);
  }
  if (json_) {
    const nlohmann::ordered_json details_json =
        details ? DetailsJson(*details) : nlohmann::ordered_json();
    PrintJson(line, answer, details_.details ? &details_json : nullptr);
  } else {
    PrintText(answer, where, words_);
    if (details) PrintDetailsText(std::cout, *details, words_.language());
  }
  std::cout.flush();
}

int ChemistrySession::ExitStatus() const { return ExitStatusFor(failed_, bad_input_); }
