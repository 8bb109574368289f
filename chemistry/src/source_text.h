// The typed text as characters, with full-width forms read as ASCII and bytes kept.

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::chemistry::detail {

// Past the last character: not a Unicode code point, so it matches nothing.
inline constexpr char32_t kEndOfText = 0x110000;

// The equation as characters, each with the byte where it starts, so that a
// species can be given back exactly as typed. Full-width letters, digits and
// signs read as their ASCII forms, and invisible characters are skipped; the
// bytes keep them.
class SourceText {
 public:
  // nullopt when `bytes` is not UTF-8; `bad_byte` then holds the 1-based byte
  // where the fault starts.
  static std::optional<SourceText> Decode(std::string_view bytes, std::size_t& bad_byte);

  std::size_t size() const { return chars_.size(); }
  char32_t operator[](std::size_t i) const { return i < chars_.size() ? chars_[i] : kEndOfText; }
  // The typed bytes of the characters from `from` up to, not including, `to`.
  std::string Typed(std::size_t from, std::size_t to) const;
  // The typed bytes of character i; empty past the end.
  std::string TypedAt(std::size_t i) const { return Typed(i, i + 1); }

 private:
  explicit SourceText(std::string_view bytes) : bytes_(bytes) {}

  std::string_view bytes_;
  std::vector<char32_t> chars_;
  std::vector<std::size_t> starts_;  // one more than chars_: the end of the text
};

}  // namespace quorvel::chemistry::detail
