#pragma once

namespace quorvel::ui {

// Lets the memory of large texts that were freed serve the next ones
// instead of going back to the system at once (see the .cpp of the
// platform). Called once, before the window opens.
void KeepFreedTextMemory();

}  // namespace quorvel::ui
