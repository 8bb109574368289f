#include "heap.h"

namespace quorvel::ui {

// Other C libraries keep their own policy.
void KeepFreedTextMemory() {}

}  // namespace quorvel::ui
