#include "FuzzHarness.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "packing/GridLimits.h"
#include "packing/PackingPointGrid.h"
#include "packing/Placement.h"
#include "support/LayoutChecker.h"
#include "support/TestJobs.h"

namespace orvanest::fuzzing {
namespace {

// Beyond this many parts a load is the whole test: packing them all would only slow the fuzzer down.
constexpr std::size_t kMaxPartsPacked = 400;
constexpr int kPartsPlaced = 6;
constexpr std::int64_t kGridPoints = 1000;

}  // namespace

const std::filesystem::path& scratchFolder() {
    static const testing::TemporaryFolder folder;
    return folder.path();
}

std::string writeScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path path = scratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    require(static_cast<bool>(out), "the scratch file could not be written");
    return path.string();
}

std::string writeScratchFile(const std::string& name, const std::string& content) {
    return writeScratchFile(name, reinterpret_cast<const std::uint8_t*>(content.data()), content.size());
}

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz property violated: %s\n", what);
    std::abort();
}

void packBriefly(Layout& layout) {
    if (layout.parts.size() > kMaxPartsPacked) return;
    double ppd = layout.ppd;
    if (!(ppd > 0.0) || !std::isfinite(ppd)) ppd = 1.0;
    while (packingPointCount(layout.boardLength, layout.boardWidth, ppd) > kGridPoints) ppd *= 2.0;
    layout.ppd = ppd;
    renewPackingPoints(layout);
    layout.firstStep = false;
    const std::size_t partCount = layout.parts.size();
    int placed = 0;
    for (Part& part : layout.parts) {
        if (placed++ == kPartsPlaced) break;
        placePart(layout, part);
    }
    require(layout.parts.size() == partCount, "packing changed the number of parts");
    const std::string fault = testing::checkLayout(layout);
    if (!fault.empty()) std::fprintf(stderr, "%s\n", fault.c_str());
    require(fault.empty(), "the packed layout has a conflict");
}

}  // namespace orvanest::fuzzing
