#include "form/chemistry_answer.h"

#include <string>

#include "form/texts.h"
#include "quorvel/chemistry/matrix_text.h"
#include "quorvel/chemistry/parser.h"

namespace quorvel::form {
namespace {

// The library's texts are valid UTF-8; a damaged one shows as nothing
// rather than as a half text.
Text FromUtf8(const std::string& text) { return DecodeUtf8(text).value_or(Text()); }

}  // namespace

Text ChemistryFailureText(const chemistry::Answer& answer) {
  return FromUtf8(WindowText(Message::kWindowChemistryFailure,
                             {chemistry::Explain(answer.reason, kWindowLanguage)}));
}

ChemistryTexts BalanceChemistry(const Text& equation) {
  const std::string line = EncodeUtf8(equation);
  ChemistryTexts texts;
  const chemistry::ParseResult reading = chemistry::ParseEquation(line);
  if (reading.equation)
    texts.matrix = FromUtf8(chemistry::CompositionMatrixText(*reading.equation));
  const chemistry::Answer answer = chemistry::Balance(line);
  texts.result = answer.ok() ? FromUtf8(answer.result) : ChemistryFailureText(answer);
  return texts;
}

}  // namespace quorvel::form
