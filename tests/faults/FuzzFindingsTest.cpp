// Inputs the fuzz targets found troublesome, kept in tests/data/faults/fuzz: each one loads (or is
// refused) and packs through the batch tool with a normal exit status.
#include <gtest/gtest.h>

#include <filesystem>

#include "faults/FaultHarness.h"
#include "packing/MemberIndex.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

TEST(FuzzFindings, EveryKeptInputEndsNormally) {
    const std::filesystem::path folder = testing::testDataPath("faults/fuzz");
    testing::TemporaryFolder work;
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const bool partList = name.rfind("list-", 0) == 0;
        std::vector<std::string> args = {entry.path().string(), "--json", "--report",
                                         (work.path() / "Report.txt").string()};
        if (partList) args.push_back("--list");
        const testing::ToolRun run = testing::runBatchTool(work.path(), args);
        EXPECT_TRUE(run.status == 0 || run.status == 1) << name << ": status " << run.status << "\n" << run.err;
        EXPECT_NE(run.out.find("\"messages\":"), std::string::npos) << name;
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

TEST(FuzzFindings, PartsOfZeroSizeKeepTheMemberGridSmall) {
    // Nine copies of a part of zero size at one point asked for a grid of 4096 x 4096 cells, rebuilt
    // for every placement: the run stalled for seconds on nine parts.
    PartList parts;
    for (int i = 0; i < 9; ++i) parts.push_back(testing::makePart("point", {Point(465, 0), Point(465, 0)}));
    EXPECT_LE(fast::MemberIndex(parts).cellCount(), 4096u);
}

}  // namespace
}  // namespace orvanest
