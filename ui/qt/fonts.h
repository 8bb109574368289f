#pragma once

#include <QFont>

#include "form/fonts.h"

namespace quorvel::ui {

// The font table's face first, then this platform's stand-ins for the
// characters it lacks, so the Chinese captions always have glyphs. The
// window default role gives the application's font.
QFont MakeFont(form::FontRole role);

}  // namespace quorvel::ui
