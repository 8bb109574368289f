#pragma once

#include <stdexcept>
#include <string>

namespace quorvel::chemistry::detail {

// Ends the reading of an equation at the first fault; ParseEquation turns it
// into the one-line error.
class ParseFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] inline void Fail(const std::string& message) { throw ParseFailure(message); }

}  // namespace quorvel::chemistry::detail
