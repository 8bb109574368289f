// Character widths by class, as a fraction of the pixel size: CJK ideographs
// and full-width punctuation are square, Latin letters and digits about half
// as wide. Erring wide keeps a reader's real font inside the places laid out.

#include <cstdint>

#include "quorvel/drawing/picture.h"

namespace quorvel::drawing {
namespace {

// The code point starting at `at`, and how many bytes it takes; a stray byte
// counts as one character of its own.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  std::uint32_t code = more == 3 ? lead & 0x07u : more == 2 ? lead & 0x0Fu : lead & 0x1Fu;
  if (more == 0) return lead;
  for (; more > 0 && at < text.size(); --more) {
    code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3Fu);
  }
  return code;
}

double Em(std::uint32_t code) {
  if (code == ' ') return 0.3;
  if (code == 'M' || code == 'W' || code == 'm' || code == 'w') return 0.85;
  if (code >= 'A' && code <= 'Z') return 0.68;
  if (code == 'i' || code == 'l' || code == 'j' || code == 'I') return 0.3;
  if (code >= 'a' && code <= 'z') return 0.55;
  if (code >= '0' && code <= '9') return 0.58;
  if (code == '(' || code == ')' || code == '[' || code == ']') return 0.36;
  if (code < 0x80) return 0.6;
  if (code >= 0x2070 && code <= 0x209F) return 0.42;  // superscript and subscript digits, ⁻
  if (code == 0xB9 || code == 0xB2 || code == 0xB3) return 0.42;
  if (code >= 0x2E80 || (code >= 0x2190 && code <= 0x25FF)) return 1.0;  // CJK, arrows, △
  return 0.65;
}

}  // namespace

double ApproximateMeasure::Width(std::string_view utf8, double size) const {
  double em = 0;
  for (std::size_t at = 0; at < utf8.size();) em += Em(NextCodePoint(utf8, at));
  return em * size;
}

}  // namespace quorvel::drawing
