#include <gtest/gtest.h>

#include <vector>

#include "packing/GridLimits.h"
#include "packing/Traversal.h"
#include "support/LayoutChecker.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makeRectangle;
using testing::RecordingPlatform;

const char* const kTraversalFailed = "某个(些)零件遍历排样失败!";

// Runs on the plain engine and on the program's fast one.
class PackTraversal : public ::testing::TestWithParam<bool> {
protected:
    Layout selectedParts(const std::vector<Part>& parts, double ppd) const;
};

Layout PackTraversal::selectedParts(const std::vector<Part>& parts, double ppd) const {
    Layout layout;
    layout.useLiteralEngine = GetParam();
    layout.ppd = ppd;
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
        layout.addPartFront(*it);
        layout.parts.front().selected = true;
    }
    return layout;
}

TEST_P(PackTraversal, SecondSquareGoesToTheNextRowOfTheFirstColumn) {
    Layout layout =
        selectedParts({makeRectangle("a", 6000, -100, 100, 100), makeRectangle("b", 6000, -100, 100, 100)}, 100);
    RecordingPlatform platform;
    packTraversal(layout, platform);
    EXPECT_TRUE(platform.messages.empty());
    const Part& first = layout.parts.front();
    const Part& second = layout.parts.back();
    EXPECT_EQ(first.xmin, 0.0);
    EXPECT_EQ(first.ymin, 0.0);
    EXPECT_EQ(second.xmin, 0.0);
    EXPECT_EQ(second.ymin, 100.0);
    EXPECT_TRUE(second.selected);
    EXPECT_EQ(testing::checkLayout(layout), "");
}

TEST_P(PackTraversal, PartsThatFitNowhereStayAndAreReportedOnce) {
    // Too large, and one that would fit only turned: no rotation is tried.
    Layout layout =
        selectedParts({makeRectangle("huge", 7000, 0, 7000, 100), makeRectangle("tall", 7000, 200, 100, 5000),
                       makeRectangle("small", 7000, 6000, 100, 100)},
                      100);
    RecordingPlatform platform;
    packTraversal(layout, platform);
    EXPECT_EQ(platform.texts(), std::vector<std::string>{kTraversalFailed});
    EXPECT_EQ(platform.messages[0].first, kWarningCaption);
    auto it = layout.parts.begin();
    EXPECT_EQ(it->xmin, 7000.0);
    EXPECT_EQ((++it)->ymin, 200.0);
    EXPECT_EQ((++it)->xmin, 0.0);  // the run goes on after a failure
}

TEST_P(PackTraversal, RefusedSettingsDoNothing) {
    struct Case {
        const char* name;
        double boardLength, ppd;
        bool selected;
        std::vector<std::string> messages;
    } const cases[] = {
        {"nothing selected", 6000, 100, false, {}},
        {"PPD zero",
         6000,
         0,
         true,
         {"PPD=0 does not advance the traversal; give a PPD greater than 0 in Renew_RN_PPD."}},
        {"PPD negative",
         6000,
         -1,
         true,
         {"PPD=-1 does not advance the traversal; give a PPD greater than 0 in Renew_RN_PPD."}},
        {"grid too large", 6000, 0.1, true, {ppdTooSmallMessage(6000, 4000, 0.1)}},
        {"negative board", -6000, 100, true, {kTraversalFailed}},
    };
    for (const Case& c : cases) {
        Layout layout = selectedParts({makeRectangle("a", 7000, 0, 100, 100)}, c.ppd);
        layout.boardLength = c.boardLength;
        layout.computeExtent();
        layout.parts.front().selected = c.selected;
        RecordingPlatform platform;
        packTraversal(layout, platform);
        EXPECT_EQ(platform.texts(), c.messages) << c.name;
        EXPECT_EQ(layout.parts.front().xmin, 7000.0) << c.name;
    }
}

std::string engineName(const ::testing::TestParamInfo<bool>& param) { return param.param ? "Literal" : "Fast"; }
INSTANTIATE_TEST_SUITE_P(Engines, PackTraversal, ::testing::Bool(), engineName);

}  // namespace
}  // namespace orvanest
