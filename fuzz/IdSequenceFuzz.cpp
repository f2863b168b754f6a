// The part-id sequence file on a small job: the first byte picks how many parts the job has, the rest
// is the file. A file that is refused leaves the order as it was; one that is taken keeps every part.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzHarness.h"
#include "input/IdSequence.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace {

// Rectangles with some equal areas, so that the order by area has ties to break.
constexpr double kSizes[][2] = {{40, 30}, {30, 40}, {20, 20}, {60, 10}, {10, 10}, {25, 16}, {5, 80}, {20, 20}};

std::vector<std::string> partsInOrder(const orvanest::Layout& layout) {
    std::vector<std::string> parts;
    for (const orvanest::Part& part : layout.parts)
        parts.push_back(part.name + "@" + std::to_string(part.xmin) + "," + std::to_string(part.ymin));
    return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvanest;
    if (size == 0) return 0;
    const std::size_t count = data[0] % (std::size(kSizes) + 1);
    Layout layout;
    for (std::size_t i = 0; i < count; ++i) {
        layout.addPartFront(testing::makeRectangle("r" + std::to_string(i), 0, 0, kSizes[i][0], kSizes[i][1]));
        layout.addPartType("r" + std::to_string(i), static_cast<int>(i));
    }
    finishLoad(layout);
    const std::string path = fuzzing::writeScratchFile("sequence.txt", data + 1, size - 1);
    const std::vector<std::string> before = partsInOrder(layout);
    testing::RecordingPlatform platform;
    const bool applied = applyIdSequence(layout, path, platform);
    std::vector<std::string> after = partsInOrder(layout);
    if (applied) {
        std::vector<std::string> sortedBefore = before;
        std::sort(sortedBefore.begin(), sortedBefore.end());
        std::sort(after.begin(), after.end());
        fuzzing::require(after == sortedBefore, "an applied sequence lost or duplicated a part");
    } else {
        fuzzing::require(after == before, "a refused sequence changed the order");
        fuzzing::require(!platform.messages.empty(), "a sequence was refused without a message");
    }
    fuzzing::packBriefly(layout);
    return 0;
}
