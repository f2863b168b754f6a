#include <gtest/gtest.h>

#include "app/Editing.h"
#include "input/LoadLayout.h"
#include "packing/Overlap.h"
#include "packing/PackingPointGrid.h"
#include "packing/Placement.h"
#include "support/LayoutChecker.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

// The jobs of the benchmark set that pack within a few seconds; the larger ones are left to the
// benchmark program.
constexpr size_t kMostVerticesInATestJob = 5000;

size_t vertexCount(const Layout& layout) {
    size_t n = 0;
    for (const Part& part : layout.parts) {
        n += static_cast<size_t>(part.outer.count());
        for (const Polygon& hole : part.inners) n += static_cast<size_t>(hole.count());
    }
    return n;
}

TEST(EsicupPacking, EveryPartPlacedWithoutConflict) {
    const auto jobs = testing::esicupJobs();
    if (jobs.empty()) GTEST_SKIP() << "the benchmark jobs are not beside the repository";
    int packed = 0;
    for (const auto& job : jobs) {
        testing::RecordingPlatform platform;
        std::optional<Layout> layout = loadLayout(job.string(), kLoadPartData, platform);
        ASSERT_TRUE(layout) << job;
        if (vertexCount(*layout) > kMostVerticesInATestJob) continue;
        selectAll(*layout);
        ASSERT_TRUE(renewPackingPoints(*layout)) << job;
        for (Part& part : layout->parts) placePart(*layout, part);
        int placed = 0;
        for (const Part& part : layout->parts) placed += liesWithin(part, layout->extent) ? 1 : 0;
        EXPECT_EQ(placed, static_cast<int>(layout->parts.size())) << job;
        EXPECT_EQ(testing::checkLayout(*layout), "") << job;
        clearSelection(*layout);
        EXPECT_TRUE(checkPlacedConflicts(*layout)) << job;
        EXPECT_FALSE(checkBoardStraddle(*layout)) << job;
        ++packed;
    }
    EXPECT_GE(packed, 15);
}

}  // namespace
}  // namespace orvanest
