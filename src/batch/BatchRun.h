#pragma once

#include <cstdio>

#include "batch/BatchOptions.h"
#include "batch/BatchPlatform.h"

namespace orvanest {

// Runs one batch job as the window would: load, sequence, RN, PPD, select all, pack, write.
// Answers the exit status: 0 success, 1 when a load, a setting or a write was refused with a message.
int runBatch(const BatchOptions& options, BatchPlatform& platform, std::FILE* out);

}  // namespace orvanest
