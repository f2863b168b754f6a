#include <gtest/gtest.h>

#include <filesystem>

#include "output/Report.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makeRectangle;
using testing::readFile;
using testing::RecordingPlatform;
using testing::TemporaryFolder;

TEST(Report, ExampleLinesByteForByte) {
    TemporaryFolder folder;
    Layout layout;
    Part part = makeRectangle("p", 0, 0, 3487.25, 100);
    part.netArea = 11234567.8;
    layout.addPartFront(part);
    const std::string path = (folder.path() / "Report.txt").string();
    RecordingPlatform platform;
    ASSERT_TRUE(writeReport(layout, path, platform));
    EXPECT_EQ(readFile(path), "Packed length:3487.25\nPacking density:80.5403%\nArea of all parts:1.12346e+007\n");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].first, "注意!");
    EXPECT_EQ(platform.messages[0].second, "排样长度为:3487.25 ,排样效率80.54%");
}

TEST(Report, NothingOnTheBoardGivesZeroDensity) {
    TemporaryFolder folder;
    Layout layout;
    layout.addPartFront(makeRectangle("parked", 7000, -50, 10, 10));
    const std::string path = (folder.path() / "Report.txt").string();
    RecordingPlatform platform;
    ASSERT_TRUE(writeReport(layout, path, platform));
    EXPECT_EQ(readFile(path), "Packed length:0\nPacking density:0%\nArea of all parts:0\n");
    EXPECT_EQ(platform.texts(), std::vector<std::string>{"排样长度为:0.00 ,排样效率0.00%"});
}

// Which parts count: the box may stick out by less than 1e-10; parts beyond that are left out, and those
// overlapping the board are marked, as are parts in conflict on it. An earlier selection is dropped.
TEST(Report, CountsPartsOnTheBoardAndMarksConflicts) {
    Layout layout;
    layout.addPartFront(makeRectangle("edge", 5990 + 1e-11, 0, 10, 10));  // x max 6000 + 1e-11
    layout.addPartFront(makeRectangle("out", 5990 + 1e-9, 100, 10, 10));  // sticks out: straddles
    layout.addPartFront(makeRectangle("a", 0, 0, 100, 100));
    layout.addPartFront(makeRectangle("b", 50, 50, 100, 100));  // overlaps a
    layout.addPartFront(makeRectangle("loose", 1000, 1000, 10, 10));
    layout.parts.front().selected = true;
    TemporaryFolder folder;
    const std::string path = (folder.path() / "Report.txt").string();
    for (int run = 0; run < 2; ++run) {
        RecordingPlatform platform;
        ASSERT_TRUE(writeReport(layout, path, platform));
        ASSERT_EQ(platform.messages.size(), 3u);
        EXPECT_EQ(platform.messages[0], std::make_pair(std::string("Warning!"), std::string("板内零件排样冲突!")));
        EXPECT_EQ(platform.messages[1], std::make_pair(std::string("Warning!"), std::string("待排样零件与板冲突!")));
        std::vector<std::string> selected;
        for (const Part& part : layout.parts)
            if (part.selected) selected.push_back(part.name);
        EXPECT_EQ(selected, (std::vector<std::string>{"b", "a", "out"}));
        const ReportFigures figures = computeReportFigures(layout);
        EXPECT_EQ(figures.placed, 4);
        EXPECT_EQ(figures.packedLength, 6000 + 1e-11);
        EXPECT_EQ(figures.totalArea, 100.0 + 10000 + 10000 + 100);
        EXPECT_EQ(readFile(path), "Packed length:6000\nPacking density:0.0841667%\nArea of all parts:20200\n");
    }
}

TEST(Report, UnwritableFileWarnsAndKeepsTheOldOne) {
    TemporaryFolder folder;
    // A folder where the report should go cannot be replaced, even by root.
    std::filesystem::create_directory(folder.path() / "Report.txt");
    const std::string path = folder.write("Report.txt/old.txt", "old report\n");
    const std::string target = (folder.path() / "Report.txt").string();
    Layout layout;
    RecordingPlatform platform;
    EXPECT_FALSE(writeReport(layout, target, platform));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].first, "Warning!");
    EXPECT_EQ(platform.messages[0].second.rfind("report file open error! (" + target + ": ", 0), 0u);
    EXPECT_EQ(readFile(path), "old report\n");
}

}  // namespace
}  // namespace orvanest
