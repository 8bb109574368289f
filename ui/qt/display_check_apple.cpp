// The window system is part of the operating system: there is no server
// that could be missing.
#include "display_check.h"

namespace quorvel::ui {

bool DisplayAvailable() { return true; }

void ReleaseDisplayCheck() {}

}  // namespace quorvel::ui
