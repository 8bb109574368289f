#include "form/chemistry_answer.h"

#include <string>

#include "form/texts.h"

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
  // One balance: the matrix shown is the one of the reading that answered.
  const chemistry::Answer answer = chemistry::Balance(EncodeUtf8(equation));
  ChemistryTexts texts;
  texts.matrix = FromUtf8(answer.matrix);
  texts.result = answer.ok() ? FromUtf8(answer.result) : ChemistryFailureText(answer);
  return texts;
}

}  // namespace quorvel::form
