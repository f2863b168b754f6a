#include <gtest/gtest.h>

#include "app/Editing.h"
#include "input/LoadLayout.h"
#include "packing/Placement.h"
#include "packing/Traversal.h"
#include "support/RandomJobs.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::RecordingPlatform;

int onBoard(const Layout& layout) {
    int n = 0;
    for (const Part& part : layout.parts) n += liesWithin(part, layout.extent) ? 1 : 0;
    return n;
}

Layout loadRandomJob(RecordingPlatform& platform) {
    testing::TemporaryFolder folder;
    testing::RandomJobShape shape;
    shape.types = 4;
    shape.maxCopies = 2;
    return std::move(*loadLayout(folder.write("job.txt", testing::randomJob(7, shape)), kLoadPartData, platform));
}

TEST(PackingProgress, ReportsEachPartAndCancelKeepsWhatWasPlaced) {
    for (bool traversal : {false, true}) {
        RecordingPlatform platform;
        Layout layout = loadRandomJob(platform);
        selectAll(layout);
        const int total = static_cast<int>(layout.parts.size());
        ASSERT_GE(total, 4);
        platform.cancelAfter = 3;
        if (traversal) {
            packTraversal(layout, platform);
        } else {
            packTimed(layout, platform);
            // The timing message still reports the run, and the run's memory goes back even so.
            ASSERT_FALSE(platform.messages.empty());
            EXPECT_EQ(platform.messages.back().second.rfind("排样计算时间为:", 0), 0u);
            EXPECT_EQ(platform.memoryReleases, 1);
        }
        EXPECT_EQ(platform.progress, (std::vector<std::pair<int, int>>{{1, total}, {2, total}, {3, total}}));
        EXPECT_EQ(onBoard(layout), 3);
    }
}

TEST(PackingProgress, ReportingChangesNoPlacement) {
    RecordingPlatform quiet, watched;
    Layout a = loadRandomJob(quiet);
    Layout b = loadRandomJob(watched);
    selectAll(a);
    selectAll(b);
    packTimed(a, quiet);
    packTimed(b, watched);
    auto i = b.parts.begin();
    for (const Part& part : a.parts) {
        EXPECT_EQ(part.xmin, i->xmin);
        EXPECT_EQ(part.ymin, i->ymin);
        ++i;
    }
}

}  // namespace
}  // namespace orvanest
