#pragma once

namespace quorvel::ui {

// Lets the memory of large texts that were freed serve the next ones
// instead of going back to the system at once (heap_glibc.cpp says why).
// Called once, before the window opens.
void KeepFreedTextMemory();

}  // namespace quorvel::ui
