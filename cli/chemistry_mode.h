#pragma once

#include <string>

// --chemistry: each equation read in chemistry's own notation and balanced
// exactly. Standard output gets one line per equation, the balanced equation
// or an empty line; the reason, the independent reactions and the notes go to
// standard error. With --json, one object per equation instead.
class ChemistrySession {
 public:
  explicit ChemistrySession(bool json) : json_(json) {}

  // `where` names the equation in messages: "line 7", "equation argument 2".
  void Answer(const std::string& line, const std::string& where);
  int ExitStatus() const;

 private:
  bool json_;
  bool failed_ = false;
  bool bad_input_ = false;
};
