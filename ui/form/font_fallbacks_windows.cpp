// Windows has both faces, and its own font linking draws the Chinese
// characters that Verdana lacks: nothing to add.
#include "form/fonts.h"

namespace quorvel::form {

std::span<const char* const> FallbackFaces(FontRole) { return {}; }

}  // namespace quorvel::form
