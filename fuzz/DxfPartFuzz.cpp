// One DXF part file: any bytes, read as a part, put on a default board with a second copy, loaded and
// packed briefly.
#include <cstddef>
#include <cstdint>

#include "FuzzHarness.h"
#include "input/DxfPartReader.h"
#include "support/RecordingPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvanest;
    const std::string path = fuzzing::writeScratchFile("part.dxf", data, size);
    testing::RecordingPlatform platform;
    Part part;
    if (!readDxfPart(part, path, platform)) {
        fuzzing::require(!platform.messages.empty(), "a drawing was refused without a message");
        return 0;
    }
    Layout layout;
    layout.addPartFront(part);
    layout.addPartFront(part);
    layout.addPartType(part.name, 0);
    finishLoad(layout);
    fuzzing::packBriefly(layout);
    return 0;
}
