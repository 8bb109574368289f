#include "qt_text.h"

#include <QList>

namespace quorvel::ui {

QString ToQString(const Text& text) {
  return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

Text FromQString(const QString& text) {
  const QList<uint> units = text.toUcs4();
  Text result;
  result.reserve(static_cast<std::size_t>(units.size()));
  for (const uint unit : units) result.push_back(static_cast<char32_t>(unit));
  return result;
}

}  // namespace quorvel::ui
