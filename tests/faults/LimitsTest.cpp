// Jobs and settings beyond the documented limits are refused with a message instead of exhausting the
// machine, and nothing that was there before changes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "app/RnPpdSettings.h"
#include "faults/FaultHarness.h"
#include "input/InputLimits.h"
#include "input/LoadLayout.h"
#include "input/TextParsing.h"
#include "packing/GridLimits.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::RecordingPlatform;
using testing::TemporaryFolder;

const std::string kHeader = "BoardLength: 6000\nBoardWidth: 4000\nThickness   : 10\n";

std::string triangleBlock(const std::string& name, long copies, int extraVertices = 0) {
    // Empty vertex lines are vertices at (0, 0): a cheap way to make a long loop.
    return "Part\nName\n" + name + "\nPartNumOfSameType\n" + std::to_string(copies) + "\nOutLoop\n0,0\n4,0\n0,4\n" +
           std::string(static_cast<size_t>(extraVertices), '\n') + "EndOutLoop\nEndPart\n";
}

TEST(Limits, JobsBeyondThePartAndVertexLimitsAreRefusedAtTheirBlock) {
    struct Case {
        const char* name;
        std::string content;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        // 600,000 + 400,001 copies: the second block is the one that goes over.
        {"parts in all", kHeader + triangleBlock("a", 600000) + triangleBlock("b", 400001), 15,
         "more than 1000000 parts in all"},
        // 1,000 copies of a loop of 20,003 vertices.
        {"vertices in all", kHeader + triangleBlock("long", 1000, 20000), 4, "more than 20000000 vertices in all"},
    };
    TemporaryFolder folder;
    for (const Case& c : cases) {
        const std::string path = folder.write("big.txt", c.content);
        const testing::ToolRun run = testing::runBatchTool(folder.path(), {path, "--method", "none", "--json"});
        EXPECT_EQ(run.status, 1) << c.name;
        const std::string expected =
            "零件数据文件读取失败! (" + path + ":" + std::to_string(c.line) + ": " + c.reason + ")";
        EXPECT_NE(run.err.find(expected), std::string::npos) << c.name << "\n" << run.err;
        EXPECT_EQ(run.out.rfind("{\"messages\":[[\"Warning!\",", 0), 0u) << run.out;  // no layout was made
    }
}

TEST(Limits, FilesOverTheSizeOrLineLimitAreNotRead) {
    TemporaryFolder folder;
    const std::string huge = folder.write("huge.txt", kHeader);
    // Sparse: the size is there, the blocks are not.
    std::filesystem::resize_file(huge, kMaxInputFileBytes + 1);
    // 40 MB of line ends once took gigabytes as separate lines.
    const std::string lines = folder.write("lines.txt", kHeader + std::string(kMaxInputLines, '\n'));
    struct Case {
        std::string path;
        std::string reason;
    };
    for (const Case& c : {Case{huge, "larger than 512 MiB"}, Case{lines, "more than 40000000 lines"}}) {
        RecordingPlatform platform;
        EXPECT_FALSE(loadLayout(c.path, kLoadPartData, platform));
        EXPECT_EQ(platform.texts(),
                  std::vector<std::string>{"零件数据文件读取失败! (" + c.path + ": " + c.reason + ")"});
    }
}

// The PPD in a refusal message, as the user reads it.
double ppdNamedIn(const std::string& message) {
    const std::string marker = "the smallest PPD for this board is ";
    const size_t at = message.find(marker);
    if (at == std::string::npos) return -1.0;
    return std::strtod(message.c_str() + at + marker.size(), nullptr);
}

TEST(Limits, APpdBeyondTheGridLimitNamesTheSmallestThatFits) {
    struct Board {
        double length, width;
    };
    for (const Board board : {Board{6000, 4000}, Board{465, 40}, Board{1e6, 1}, Board{1, 1}}) {
        Layout layout;
        layout.setBoard(board.length, board.width);
        layout.computeExtent();
        RecordingPlatform platform;
        ASSERT_TRUE(renewPpd(layout, "50", platform));
        const std::string before = testing::layoutFingerprint(layout);
        // A PPD of 1e-4 makes far more points than the limit on every board here.
        EXPECT_FALSE(renewPpd(layout, "0.0001", platform));
        EXPECT_EQ(testing::layoutFingerprint(layout), before) << "the grid must not be rebuilt";
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].first, "Warning!");
        const double named = ppdNamedIn(platform.messages[0].second);
        ASSERT_GT(named, 0.0) << platform.messages[0].second;
        EXPECT_LE(packingPointCount(board.length, board.width, named), kMaxPackingPoints) << named;
        // One unit less in the sixth significant digit would not fit: the value is the smallest shown.
        char smaller[64];
        std::snprintf(smaller, sizeof smaller, "%.6g", named - std::pow(10.0, std::floor(std::log10(named)) - 5));
        const double below = std::strtod(smaller, nullptr);
        EXPECT_GT(packingPointCount(board.length, board.width, below), kMaxPackingPoints) << below;
    }
}

TEST(Limits, DialogValuesThatAreNotUsableNumbersAreRefusedByTheBatchTool) {
    struct Case {
        const char* option;
        const char* value;
        const char* message;  // start of the refusal
    };
    const Case cases[] = {
        {"--ppd", "nan", "PPD must be a number greater than 0; PPD stays 7.500000."},
        {"--ppd", "inf", "PPD must be a number greater than 0; PPD stays 7.500000."},
        {"--ppd", "-1e999", "PPD must be a number greater than 0; PPD stays 7.500000."},
        {"--ppd", "1e999", "PPD must be a number greater than 0; PPD stays 7.500000."},
        {"--ppd", "0", "PPD must be a number greater than 0; PPD stays 7.500000."},
        {"--ppd", "1e-300", "PPD=1e-300 would make more than 20000000 packing points"},
        {"--rn", "0", "RN must be a whole number from 1 to 3600; RN stays 4."},
        {"--rn", "nan", "RN must be a whole number from 1 to 3600; RN stays 4."},
        {"--rn", "99999999999999999999", "RN must be a whole number from 1 to 3600; RN stays 4."},
    };
    TemporaryFolder folder;
    const std::string job = folder.write("job.txt", testing::kMinimalJob);
    for (const Case& c : cases) {
        const testing::ToolRun run = testing::runBatchTool(folder.path(), {job, c.option, c.value, "--json"});
        EXPECT_EQ(run.status, 1) << c.option << " " << c.value;
        EXPECT_NE(run.err.find(std::string("Warning!: ") + c.message), std::string::npos) << run.err;
        // Nothing was packed and the settings stayed.
        EXPECT_NE(run.out.find("\"rn\":4,\"ppd\":7.5,\"placed\":0,"), std::string::npos) << run.out;
    }
}

}  // namespace
}  // namespace orvanest
