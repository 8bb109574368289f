#include "fonts.h"

namespace quorvel::ui {
namespace {

// Latin face first, then CJK faces for the characters it lacks.
const QStringList kVerdanaFamilies = {
    QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Microsoft YaHei"),
    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")};
const QStringList kYaHeiFamilies = {QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                                    QStringLiteral("WenQuanYi Micro Hei"),
                                    QStringLiteral("Noto Sans CJK SC"),
                                    QStringLiteral("DejaVu Sans")};

struct FontSpec {
  const QStringList* families;
  double points;
  bool bold;
};

FontSpec SpecFor(FontRole role) {
  switch (role) {
    case FontRole::kHint:
      return {&kVerdanaFamilies, 9.0, false};
    case FontRole::kCaption:
      return {&kYaHeiFamilies, 12.0, true};
    case FontRole::kStatus:
      return {&kYaHeiFamilies, 10.5, true};
    case FontRole::kBox:
      return {&kVerdanaFamilies, 10.5, true};
    case FontRole::kButton:
      return {&kYaHeiFamilies, 9.0, false};
  }
  return {&kVerdanaFamilies, 9.0, false};
}

}  // namespace

QStringList FamiliesFor(FontRole role) { return *SpecFor(role).families; }

QFont FontFor(FontRole role) {
  const FontSpec spec = SpecFor(role);
  QFont font;
  font.setFamily(spec.families->first());
  font.setFamilies(*spec.families);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(spec.points);
  font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

}  // namespace quorvel::ui
