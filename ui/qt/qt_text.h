#pragma once

#include <QString>

#include "quorvel/text.h"

namespace quorvel::ui {

// The boxes hold UTF-16, the engine works on code points; both directions are
// lossless for every text a box can hold.
QString ToQString(const Text& text);
Text FromQString(const QString& text);

}  // namespace quorvel::ui
