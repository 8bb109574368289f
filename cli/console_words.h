#pragma once

#include <cstddef>
#include <string>

#include "quorvel/chemistry/reason.h"

// The console's own words around the chemistry library's lines, in the
// user's language: which equation a message is about and what follows.
class ConsoleWords {
 public:
  explicit ConsoleWords(quorvel::chemistry::Language language) : language_(language) {}

  quorvel::chemistry::Language language() const { return language_; }
  std::string Line(long long number) const;        // "line 7"
  std::string Argument(std::size_t number) const;  // "equation argument 2"
  std::string Reaction(std::size_t number) const;  // "reaction 1: "
  std::string Note() const;                        // "note: "
  // Before a message about one equation: "quorvel-cli: line 7: ".
  std::string Where(const std::string& where) const;

 private:
  quorvel::chemistry::Language language_;
};
