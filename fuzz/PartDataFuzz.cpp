// The part data text file: any bytes, read, loaded and packed briefly.
#include <cstddef>
#include <cstdint>

#include "FuzzHarness.h"
#include "input/LoadLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvanest;
    fuzzing::loadAndPackBriefly(fuzzing::writeScratchFile("job.txt", data, size), kLoadPartData);
    return 0;
}
