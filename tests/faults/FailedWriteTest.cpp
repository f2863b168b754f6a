// Writes into a read-only folder or onto a full disk: the message, the exit status, and the old file
// left exactly as it was, with no temporary file beside it.
#include <gtest/gtest.h>

#include "faults/FaultHarness.h"
#include "layout/FileWriting.h"
#include "packing/Placement.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::Breakage;
using testing::BrokenFolder;

const std::string kOldContent = "the previous file, which must survive\n";

class FailedWrite : public ::testing::TestWithParam<Breakage> {};

TEST_P(FailedWrite, AnAtomicWriteKeepsTheOldFile) {
    const BrokenFolder folder(GetParam(), {{"old.txt", kOldContent}});
    if (!folder.ready()) GTEST_SKIP() << folder.reason();
    const std::string path = (folder.path() / "old.txt").string();
    const auto namesBefore = testing::fileNames(folder.path());
    std::string error;
    // More than the small disk holds, so a full disk fails part-way through the data.
    EXPECT_FALSE(writeFileAtomically(path, std::string(1 << 20, 'n'), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(testing::readFile(path), kOldContent);
    EXPECT_EQ(testing::fileNames(folder.path()), namesBefore);
}

TEST_P(FailedWrite, ATimingFileThatCannotBeWrittenIsReportedAndThePackingStands) {
    testing::TemporaryFolder jobs;
    const std::string job = jobs.write("job.txt", testing::kMinimalJob);
    const BrokenFolder folder(GetParam(), {{kTimingFileName, kOldContent}});
    if (!folder.ready()) GTEST_SKIP() << folder.reason();
    const auto namesBefore = testing::fileNames(folder.path());
    // The timing file lands in the working folder.
    const testing::ToolRun run = testing::runBatchTool(folder.path(), {job, "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Warning!: 记录排样计算时间的文件输出失败!"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("\"placed\":2,"), std::string::npos) << run.out;
    EXPECT_EQ(testing::readFile((folder.path() / kTimingFileName).string()), kOldContent);
    EXPECT_EQ(testing::fileNames(folder.path()), namesBefore);
}

TEST_P(FailedWrite, TheWritersReportTheFileAndKeepWhatWasThere) {
    struct Output {
        const char* option;
        const char* file;     // in the broken folder
        bool folderArgument;  // the option takes the folder, not the file
        const char* message;
    };
    const Output outputs[] = {
        {"--dxf", "layout.dxf", false, "排样文件输出失败!"},
        {"--report", "Report.txt", false, "report file open error!"},
        {"--export-parts", "platex2.dxf", true, "排样文件输出失败!"},
        {"--svg", "layout.svg", false, "排样文件输出失败!"},
    };
    std::vector<std::pair<std::string, std::string>> oldFiles;
    for (const Output& output : outputs) oldFiles.emplace_back(output.file, kOldContent);
    const BrokenFolder folder(GetParam(), oldFiles);
    if (!folder.ready()) GTEST_SKIP() << folder.reason();
    testing::TemporaryFolder work;
    const std::string job = work.write("job.txt", testing::kMinimalJob);
    const auto namesBefore = testing::fileNames(folder.path());
    for (const Output& output : outputs) {
        const std::string target = (folder.path() / output.file).string();
        const std::string argument = output.folderArgument ? folder.path().string() : target;
        const testing::ToolRun run = testing::runBatchTool(work.path(), {job, output.option, argument});
        EXPECT_EQ(run.status, 1) << output.option << "\n" << run.err;
        // The message names the file and says why, for example "Read-only file system".
        const std::string expected = std::string("Warning!: ") + output.message + " (" + target + ": ";
        EXPECT_NE(run.err.find(expected), std::string::npos) << output.option << "\n" << run.err;
        EXPECT_EQ(testing::readFile(target), kOldContent) << output.option;
        EXPECT_EQ(testing::fileNames(folder.path()), namesBefore) << output.option;
    }
}

INSTANTIATE_TEST_SUITE_P(Breakages, FailedWrite, ::testing::Values(Breakage::ReadOnly, Breakage::Full),
                         [](const ::testing::TestParamInfo<Breakage>& row) {
                             return testing::breakageName(row.param);
                         });

}  // namespace
}  // namespace orvanest
