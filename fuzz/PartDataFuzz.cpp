// The part data text file: any bytes, read, loaded and packed briefly.
#include <cstddef>
#include <cstdint>

#include "FuzzHarness.h"
#include "input/LoadLayout.h"
#include "support/RecordingPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvanest;
    const std::string path = fuzzing::writeScratchFile("job.txt", data, size);
    testing::RecordingPlatform platform;
    std::optional<Layout> layout = loadLayout(path, kLoadPartData, platform);
    if (!layout) {
        fuzzing::require(!platform.messages.empty(), "a load was abandoned without a message");
        return 0;
    }
    fuzzing::packBriefly(*layout);
    return 0;
}
