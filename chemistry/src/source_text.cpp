// The typed text as characters, with full-width forms read as ASCII and bytes kept.

#include "source_text.h"

#include <algorithm>

namespace quorvel::chemistry::detail {
namespace {

// What a lead byte announces: the number of bytes in the sequence and the
// smallest code point that may use that many (a smaller one is overlong).
struct Lead {
  std::size_t length;
  char32_t bits;
  char32_t smallest;
};

std::optional<Lead> ReadLead(unsigned char byte) {
  if (byte < 0x80) return Lead{1, byte, 0};
  if ((byte & 0xE0) == 0xC0) return Lead{2, byte & 0x1Fu, 0x80};
  if ((byte & 0xF0) == 0xE0) return Lead{3, byte & 0x0Fu, 0x800};
  if ((byte & 0xF8) == 0xF0) return Lead{4, byte & 0x07u, 0x10000};
  return std::nullopt;
}

// A Chinese input method types letters, digits and signs full-width
// (U+FF01 to U+FF5E); each reads as the ASCII character it stands for.
char32_t AsciiForm(char32_t c) { return c >= 0xFF01 && c <= 0xFF5E ? c - 0xFEE0 : c; }

// Characters that show nothing and mean nothing here: a byte-order mark,
// zero-width spaces and joiners, a soft hyphen. Copied text brings them in.
bool IsInvisible(char32_t c) {
  return c == 0xFEFF || c == 0x200B || c == 0x200C || c == 0x200D || c == 0x2060 || c == 0xAD;
}

}  // namespace

std::optional<SourceText> SourceText::Decode(std::string_view bytes, std::size_t& bad_byte) {
  SourceText text(bytes);
  text.chars_.reserve(bytes.size());
  text.starts_.reserve(bytes.size() + 1);
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::optional<Lead> lead = ReadLead(static_cast<unsigned char>(bytes[i]));
    bool valid = lead && bytes.size() - i >= lead->length;
    char32_t code = valid ? lead->bits : 0;
    for (std::size_t k = 1; valid && k < lead->length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (valid) {
      valid = code >= lead->smallest && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    }
    if (!valid) {
      bad_byte = i + 1;
      return std::nullopt;
    }
    if (!IsInvisible(code)) {
      text.starts_.push_back(i);
      text.chars_.push_back(AsciiForm(code));
    }
    i += lead->length;
  }
  text.starts_.push_back(bytes.size());
  return text;
}

std::string SourceText::Typed(std::size_t from, std::size_t to) const {
  from = std::min(from, chars_.size());
  to = std::min(to, chars_.size());
  if (from >= to) return "";
  // Up to the end of the last character, not the start of the next: the
  // invisible characters skipped after it are no part of what it shows.
  const std::size_t last = starts_[to - 1];
  const std::size_t end = last + ReadLead(static_cast<unsigned char>(bytes_[last]))->length;
  return std::string(bytes_.substr(starts_[from], end - starts_[from]));
}

}  // namespace quorvel::chemistry::detail
