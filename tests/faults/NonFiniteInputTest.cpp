// Numbers that are not finite anywhere in a job: the load is refused with the file and line, the batch
// tool ends with status 1, and a layout that was open stays as it was.
#include <gtest/gtest.h>

#include "app/CommandLayer.h"
#include "faults/FaultHarness.h"
#include "input/LoadLayout.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::RecordingPlatform;
using testing::TemporaryFolder;

// A job whose numbers are given by the caller: board length, width, the third header value, then one
// square part whose first outer vertex and first hole vertex come from `outerX`, `outerY`, `holeX`.
struct JobNumbers {
    std::string length = "6000", width = "4000", third = "10";
    std::string outerX = "0", outerY = "0", holeX = "10";
};

std::string jobText(const JobNumbers& n) {
    return "BoardLength: " + n.length + "\nBoardWidth: " + n.width + "\nThickness   : " + n.third +
           "\nPart\nName\nsquare\nPartNumOfSameType\n2\nOutLoop\n" + n.outerX + "," + n.outerY +
           "\n100,0\n100,100\n0,100\nEndOutLoop\nInnerLoop\n" + n.holeX + ",10\n20,10\n20,20\nEndInnerLoop\nEndPart\n";
}

TEST(NonFiniteInput, PartDataNumbersAreRefusedWithTheirLine) {
    struct Position {
        const char* name;
        std::string JobNumbers::*field;
        int line;
    };
    const Position positions[] = {
        {"board length", &JobNumbers::length, 1},      {"board width", &JobNumbers::width, 2},
        {"third header value", &JobNumbers::third, 3}, {"outer x", &JobNumbers::outerX, 10},
        {"outer y", &JobNumbers::outerY, 10},          {"hole x", &JobNumbers::holeX, 16},
    };
    const char* values[] = {"nan", "-inf", "inf", "Infinity", "1e999", "-1e999", "NAN(1)"};

    TemporaryFolder folder;
    const std::string goodPath = folder.write("good.txt", testing::kMinimalJob);
    for (const Position& position : positions) {
        for (const char* value : values) {
            const std::string row = std::string(position.name) + " = " + value;
            JobNumbers numbers;
            numbers.*position.field = value;
            const std::string badPath = folder.write("bad.txt", jobText(numbers));
            const std::string where = badPath + ":" + std::to_string(position.line);

            const testing::ToolRun run = testing::runBatchTool(folder.path(), {badPath, "--method", "none"});
            EXPECT_EQ(run.status, 1) << row;
            EXPECT_NE(run.err.find("Warning!: 零件数据文件读取失败! (" + where + ": "), std::string::npos)
                << row << "\n"
                << run.err;

            RecordingPlatform platform;
            CommandLayer window(platform);
            window.onCreate();
            ASSERT_TRUE(window.openFile(goodPath, kLoadPartData));
            const std::string before = testing::layoutFingerprint(*window.layout());
            platform.messages.clear();
            EXPECT_FALSE(window.openFile(badPath, kLoadPartData)) << row;
            ASSERT_EQ(platform.messages.size(), 1u) << row;
            EXPECT_NE(platform.messages[0].second.find(where), std::string::npos) << row;
            ASSERT_NE(window.layout(), nullptr);
            EXPECT_EQ(testing::layoutFingerprint(*window.layout()), before) << row;
        }
    }
    // The same job with finite numbers loads: the refusals above come from the values alone.
    const testing::ToolRun good =
        testing::runBatchTool(folder.path(), {folder.write("ok.txt", jobText({})), "--method", "none"});
    EXPECT_EQ(good.status, 0) << good.err;
}

TEST(NonFiniteInput, CopyCountsAreReadAsIntegers) {
    // A count is an integer as %d reads it: "1e999" is 1, "nan" and "inf" have no digits and give no
    // copy; a count beyond the part limit is refused at its line.
    struct Case {
        const char* count;
        int parts;  // -1: refused
    };
    TemporaryFolder folder;
    for (const Case& c : {Case{"1e999", 1}, Case{"nan", 0}, Case{"inf", 0}, Case{"-99999999999999999999", 0},
                          Case{"99999999999999999999", -1}, Case{"1000001", -1}}) {
        const std::string content =
            "BoardLength: 6000\nBoardWidth: 4000\nThickness   : 10\nPart\nName\nq\n"
            "PartNumOfSameType\n" +
            std::string(c.count) + "\nOutLoop\n0,0\n1,0\n1,1\nEndOutLoop\nEndPart\n";
        RecordingPlatform platform;
        const std::string path = folder.write("count.txt", content);
        const std::optional<Layout> layout = loadLayout(path, kLoadPartData, platform);
        if (c.parts < 0) {
            EXPECT_FALSE(layout) << c.count;
            ASSERT_EQ(platform.messages.size(), 1u) << c.count;
            EXPECT_NE(platform.messages[0].second.find(path + ":8: copy count above the limit of 1000000"),
                      std::string::npos)
                << platform.messages[0].second;
        } else {
            ASSERT_TRUE(layout) << c.count;
            EXPECT_EQ(layout->parts.size(), static_cast<size_t>(c.parts)) << c.count;
            EXPECT_EQ(layout->partTypes.size(), 1u) << c.count;
        }
    }
}

}  // namespace
}  // namespace orvanest
