#include "qt_text.h"

namespace quorvel::ui {
namespace {

bool OutsideBasicPlane(char32_t c) { return c >= 0x10000 && c <= 0x10FFFF; }

}  // namespace

// Written out rather than through the toolkit's general converters, which
// take several times as long on the megabytes a pasted equation or its
// matrix can reach. What is no character becomes U+FFFD.
QString ToQString(const Text& text) {
  qsizetype units = 0;
  for (const char32_t c : text) units += OutsideBasicPlane(c) ? 2 : 1;
  QString result(units, Qt::Uninitialized);
  QChar* out = result.data();
  for (const char32_t c : text) {
    if (OutsideBasicPlane(c)) {
      *out++ = QChar(QChar::highSurrogate(c));
      *out++ = QChar(QChar::lowSurrogate(c));
    } else if (c > 0x10FFFF || QChar::isSurrogate(c)) {
      *out++ = QChar(QChar::ReplacementCharacter);
    } else {
      *out++ = QChar(static_cast<char16_t>(c));
    }
  }
  return result;
}

Text FromQString(const QString& text) {
  Text result;
  result.reserve(static_cast<std::size_t>(text.size()));
  const QChar* unit = text.constData();
  const QChar* const end = unit + text.size();
  while (unit != end) {
    const char16_t first = (unit++)->unicode();
    if (QChar::isHighSurrogate(first) && unit != end && unit->isLowSurrogate()) {
      result.push_back(QChar::surrogateToUcs4(first, (unit++)->unicode()));
    } else if (QChar::isSurrogate(first)) {
      result.push_back(U'\uFFFD');
    } else {
      result.push_back(first);
    }
  }
  return result;
}

}  // namespace quorvel::ui
