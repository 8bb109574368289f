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

struct FontChoice {
  const QStringList* families;
  double points;
  bool bold;
};

FontChoice ChoiceFor(FontRole role) {
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

QStringList FamiliesFor(FontRole role) { return *ChoiceFor(role).families; }

QFont FontFor(FontRole role) {
  const FontChoice choice = ChoiceFor(role);
  QFont font;
  font.setFamily(choice.families->first());
  font.setFamilies(*choice.families);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(choice.points);
  font.setWeight(choice.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

}  // namespace quorvel::ui
