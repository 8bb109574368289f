#include <malloc.h>

#include "heap.h"

namespace quorvel::ui {

// Balancing a pasted megabyte makes and drops texts of several megabytes
// again and again between two turns of the event loop: each rewrite of the
// equation is a copy from the box, the rewritten text and a copy for the
// box. By default the C library maps every such block afresh and unmaps it
// when freed, and touching the new pages for the first time costs several
// times the copying itself: the window went 100-135 ms without answering
// where, with the pages reused, it goes 20-40 ms. Blocks below the largest
// mapping threshold the library accepts come from its heap, and up to the
// trim threshold of freed memory at the heap's top stays mapped afterwards.
void KeepFreedTextMemory() {
  constexpr int kMiB = 1024 * 1024;
  mallopt(M_MMAP_THRESHOLD, 32 * kMiB);
  mallopt(M_TRIM_THRESHOLD, 64 * kMiB);
}

}  // namespace quorvel::ui
