#include "fonts.h"

#include <QApplication>
#include <QStringList>

namespace quorvel::ui {

QFont MakeFont(form::FontRole role) {
  const form::FontSpec* entry = form::FontFor(role);
  if (!entry) return QApplication::font();
  QStringList families{QString::fromUtf8(entry->face)};
  for (const char* face : form::FallbackFaces(role)) families << QString::fromUtf8(face);
  QFont font;
  font.setFamily(families.first());
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(entry->points);
  font.setWeight(static_cast<QFont::Weight>(entry->weight));
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

}  // namespace quorvel::ui
