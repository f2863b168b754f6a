#include <gtest/gtest.h>

#include "output/SvgWriter.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makePart;
using testing::makeRectangle;
using testing::readFile;

size_t occurrences(const std::string& text, const std::string& word) {
    size_t n = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
    return n;
}

TEST(Svg, BoardPartsWithHolesAndFreeRectangles) {
    Layout layout;
    layout.addPartFront(makePart("holed", {Point(0, 0), Point(100, 0), Point(100, 50), Point(0, 50)},
                                 {{Point(10, 10), Point(20, 10), Point(20, 20), Point(10, 20)}}));
    layout.addPartFront(makeRectangle("parked", 6000, -30, 20, 30));
    layout.parts.front().selected = true;
    testing::TemporaryFolder folder;
    const std::string path = (folder.path() / "layout.svg").string();
    testing::RecordingPlatform platform;
    ASSERT_TRUE(writeSvg(layout, path, platform));
    const std::string svg = readFile(path);
    EXPECT_EQ(svg, svgText(layout));
    EXPECT_NE(svg.find("width=\"1200\""), std::string::npos);
    // The view box holds the parked part below the board (y up, so the mirrored range reaches +30).
    EXPECT_NE(svg.find("transform=\"scale(1,-1)\""), std::string::npos);
    EXPECT_EQ(occurrences(svg, "class=\"board\""), 1u);
    EXPECT_EQ(occurrences(svg, "class=\"free\""), 1u);
    EXPECT_EQ(occurrences(svg, "class=\"part\""), 1u);
    EXPECT_EQ(occurrences(svg, "class=\"part selected\""), 1u);
    EXPECT_EQ(occurrences(svg, "fill-rule=\"evenodd\""), 2u);
    // The holed part is one path of two closed loops.
    EXPECT_NE(svg.find("d=\"M0 0 L100 0 L100 50 L0 50 Z M10 10 L20 10 L20 20 L10 20 Z \""), std::string::npos);
    EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7);
}

}  // namespace
}  // namespace orvanest
