#include "form/chemistry_answer.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "form/texts.h"
#include "quorvel/report/details.h"
#include "quorvel/report/given_box.h"

namespace quorvel::form {
namespace {

// The library's texts are valid UTF-8; a damaged one shows as nothing
// rather than as a half text.
Text FromUtf8(const std::string& text) { return DecodeUtf8(text).value_or(Text()); }

Text Lines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) {
    if (!joined.empty()) joined += '\n';
    joined += line;
  }
  return FromUtf8(joined);
}

// The details of `answer` with `given`, into the pane's texts; an error (the
// amounts do not fit) follows the plain details.
void Describe(const chemistry::Answer& answer, const std::vector<chemistry::GivenAmount>& given,
              std::string given_error, ChemistryTexts& texts) {
  chemistry::DetailsResult described = chemistry::Describe(answer, given);
  if (described.error != chemistry::GivenError::kNone) {
    given_error = report::GivenErrorText(described.error, described.error_formula, kWindowLanguage);
    described = chemistry::Describe(answer);
  }
  if (!described.details) return;
  std::vector<std::string> lines = report::DetailsLines(*described.details, kWindowLanguage);
  const std::string heading = WindowText(Message::kDetailsAmounts);
  const auto amounts = std::find(lines.begin(), lines.end(), heading);
  texts.amounts_line = static_cast<std::size_t>(amounts - lines.begin());
  if (!given_error.empty()) {
    texts.amounts_line = lines.size();
    lines.push_back(std::move(given_error));
  }
  texts.details = Lines(lines);
  texts.described = std::make_shared<const chemistry::Details>(std::move(*described.details));
}

}  // namespace

Text ChemistryFailureText(const chemistry::Answer& answer) {
  return FromUtf8(WindowText(Message::kWindowChemistryFailure,
                             {chemistry::Explain(answer.reason, kWindowLanguage)}));
}

ChemistryTexts BalanceChemistry(const Text& equation) {
  // One balance: the matrix shown is the one of the reading that answered.
  auto answer = std::make_shared<const chemistry::Answer>(chemistry::Balance(EncodeUtf8(equation)));
  ChemistryTexts texts;
  texts.matrix = FromUtf8(answer->matrix);
  if (!answer->ok()) {
    texts.result = ChemistryFailureText(*answer);
    texts.details = texts.result;
    return texts;
  }
  texts.result = FromUtf8(answer->result);
  Describe(*answer, {}, {}, texts);
  texts.answer = std::move(answer);
  return texts;
}

ChemistryTexts DescribeAmounts(std::shared_ptr<const chemistry::Answer> answer, const Text& given) {
  ChemistryTexts texts;
  texts.balanced_now = false;
  if (!answer || !answer->ok()) {
    texts.details = FromUtf8(WindowText(Message::kWindowGivenNeedsAnswer));
    return texts;
  }
  const report::GivenBox box = report::ReadGivenBox(EncodeUtf8(given));
  std::string error;
  if (box.error != chemistry::GivenError::kNone) {
    error = report::GivenErrorText(box.error, box.error_subject, kWindowLanguage);
  }
  Describe(*answer, box.amounts, std::move(error), texts);
  texts.answer = std::move(answer);
  return texts;
}

}  // namespace quorvel::form
