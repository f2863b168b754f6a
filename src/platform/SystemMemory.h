#pragma once

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace orvanest {

// Hands memory the program has freed back to the system. The C library keeps freed heap pages for later
// use; after a packing run that is a few megabytes of tables nothing will ask for again.
inline void releaseFreedHeapMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace orvanest
