// How the reading stops at the first fault, with its reason.

#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <utility>

#include "quorvel/chemistry/reason.h"

namespace quorvel::chemistry::detail {

// Ends the reading of an equation at the first fault; ParseEquation turns it
// into the error.
class ParseFailure : public std::exception {
 public:
  explicit ParseFailure(Reason reason) : reason_(std::move(reason)) {}
  const Reason& reason() const { return reason_; }
  const char* what() const noexcept override { return "the equation cannot be read"; }

 private:
  Reason reason_;
};

[[noreturn]] inline void Fail(Reason reason) { throw ParseFailure(std::move(reason)); }

// A fault of the text as a whole; `limit` names the limit it passes, if any.
[[noreturn]] inline void FailWhole(ReasonKind kind, std::size_t limit = 0) {
  Reason reason;
  reason.kind = kind;
  reason.count = limit;
  Fail(std::move(reason));
}

// A fault at character i (counted from 0), naming `text` there.
[[noreturn]] inline void FailAt(ReasonKind kind, std::size_t i, std::string text = {}) {
  Reason reason;
  reason.kind = kind;
  reason.position = i + 1;
  reason.text = std::move(text);
  Fail(std::move(reason));
}

}  // namespace quorvel::chemistry::detail
