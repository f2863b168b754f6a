#include <gtest/gtest.h>

#include <string>

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
        for (const bool literal : {true, false}) {
            const std::string what = job.stem().string() + (literal ? " (literal engine)" : " (fast engine)");
            testing::RecordingPlatform platform;
            std::optional<Layout> layout = loadLayout(job.string(), kLoadPartData, platform);
            ASSERT_TRUE(layout) << what;
            if (vertexCount(*layout) > kMostVerticesInATestJob) break;
            layout->useLiteralEngine = literal;
            selectAll(*layout);
            ASSERT_TRUE(renewPackingPoints(*layout)) << what;
            for (Part& part : layout->parts) placePart(*layout, part);
            int placed = 0;
            for (const Part& part : layout->parts) placed += liesWithin(part, layout->extent) ? 1 : 0;
            EXPECT_EQ(placed, static_cast<int>(layout->parts.size())) << what;
            EXPECT_EQ(testing::checkLayout(*layout), "") << what;
            clearSelection(*layout);
            EXPECT_TRUE(checkPlacedConflicts(*layout)) << what;
            EXPECT_FALSE(checkBoardStraddle(*layout)) << what;
            packed += literal ? 1 : 0;
        }
    }
    EXPECT_GE(packed, 15);
}

}  // namespace
}  // namespace orvanest
