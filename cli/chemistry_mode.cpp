#include "chemistry_mode.h"

#include <iostream>
#include <optional>

#include "exit_status.h"
#include "quorvel/chemistry.h"
#include "quorvel/report/answer_json.h"
#include "quorvel/report/details.h"

namespace {

using quorvel::chemistry::Answer;

using quorvel::chemistry::Explain;

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
      std::cerr << words_.Where(where) << "--given "
                << quorvel::report::GivenErrorText(described.error, described.error_formula,
                                                   words_.language())
                << '\n';
    }
    details = std::move(described.details);
  }
  if (json_) {
    std::cout << quorvel::report::JsonLine(details_.details
                                               ? quorvel::report::AnswerJson(line, answer, details)
                                               : quorvel::report::AnswerJson(line, answer))
              << '\n';
  } else {
    PrintText(answer, where, words_);
    if (details) {
      for (const std::string& text : quorvel::report::DetailsLines(*details, words_.language()))
        std::cout << text << '\n';
    }
  }
  std::cout.flush();
}

int ChemistrySession::ExitStatus() const { return ExitStatusFor(failed_, bad_input_); }
