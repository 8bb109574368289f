#pragma once

#include <QFont>
#include <QStringList>

namespace quorvel::ui {

// The five faces the window uses, by what they are for.
enum class FontRole { kHint, kCaption, kStatus, kBox, kButton };

// The requested face comes first; the others stand in where it is missing
// (every machine but Windows), so the Chinese captions always have glyphs.
QStringList FamiliesFor(FontRole role);
QFont FontFor(FontRole role);

}  // namespace quorvel::ui
