#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "console_words.h"
#include "quorvel/chemistry.h"
#include "quorvel/chemistry/details.h"

// The most of a line the chemistry mode reads: enough to see that a line is
// past the library's limit (a CR before its LF aside) without holding it whole.
inline constexpr std::size_t kChemistryLineBytes = quorvel::chemistry::kMaxEquationBytes + 2;

// --chemistry: each equation read in chemistry's own notation and balanced
// exactly. Standard output gets one line per equation, the balanced equation
// or an empty line; the reason, the independent reactions and the notes go to
// standard error, in the user's language. With --json, one object per
// equation instead, its "error" always in English for scripts, and with
// where the default mode would read the equation otherwise.

// --details and its --given amounts.
struct DetailsRequest {
  bool details = false;
  std::vector<quorvel::chemistry::GivenAmount> given;
};

class ChemistrySession {
 public:
  ChemistrySession(bool json, const ConsoleWords& words, DetailsRequest details = {})
      : json_(json), words_(words), details_(std::move(details)) {}

  // `where` names the equation in messages: "line 7", "equation argument 2".
  void Answer(const std::string& line, const std::string& where);
  int ExitStatus() const;

 private:
  bool json_;
  ConsoleWords words_;
  DetailsRequest details_;
  bool failed_ = false;
  bool bad_input_ = false;
};
