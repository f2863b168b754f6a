#include <gtest/gtest.h>

#include <filesystem>

#include "input/LoadLayout.h"
#include "input/PartListReader.h"
#include "output/DxfWriter.h"
#include "output/NumberFormat.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::RecordingPlatform;
using testing::TemporaryFolder;

const std::string kHeader = "BoardLength: 3000\nBoardWidth: 2000\nThickness   : 10\n";

std::string squareDrawing(double side, const std::string& name) {
    auto line = [](double x1, double y1, double x2, double y2) {
        return "LINE\n 10\n" + std::to_string(x1) + "\n 20\n" + std::to_string(y1) + "\n 11\n" + std::to_string(x2) +
               "\n 21\n" + std::to_string(y2) + "\n  0\n";
    };
    return "  0\n" + line(0, 0, side, 0) + line(side, 0, side, side) + line(side, side, 0, side) + line(0, side, 0, 0) +
           "TEXT\n  1\nname:" + name + "\n  0\nEOF\n";
}

// Restores the current folder when it ends.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(saved_); }

private:
    std::filesystem::path saved_;
};

TEST(PartListReader, OnePartPerPathLineUpToFileEnd) {
    TemporaryFolder folder;
    const std::string a = folder.write("a.dxf", squareDrawing(10, "A"));
    const std::string b = folder.write("b.dxf", squareDrawing(30, "B"));
    const std::string list =
        folder.write("job.lst", kHeader + a + "\n" + b + "\n" + a + "\n#FileEnd and more\n" + b + "\n");
    Layout layout;
    RecordingPlatform platform;
    ASSERT_TRUE(readPartListFile(layout, list, platform));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(layout.boardLength, 3000.0);
    EXPECT_EQ(layout.boardWidth, 2000.0);
    EXPECT_EQ(layout.headerValue3, 10.0);
    ASSERT_EQ(layout.partTypes.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(layout.partTypes[static_cast<size_t>(i)].ordinal, i);
    EXPECT_EQ(layout.partTypes[1].name, "B");
    std::vector<std::string> names;
    for (const Part& part : layout.parts) names.push_back(part.name);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "A"}));  // reverse reading order
    // load sorts them by area afterwards.
    auto loaded = loadLayout(list, kLoadPartList, platform);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->parts.front().name, "B");
    EXPECT_EQ(loaded->ppd, 1.0);
}

TEST(PartListReader, RelativePathsFromTheCurrentFolderThenBesideTheList) {
    TemporaryFolder folder;
    TemporaryFolder elsewhere;
    folder.write("a.dxf", squareDrawing(10, "beside"));
    const std::string list = folder.write("job.lst", kHeader + "a.dxf\n#FileEnd\n");
    RecordingPlatform platform;
    {
        CurrentFolder current(elsewhere.path());
        auto loaded = loadLayout(list, kLoadPartList, platform);
        ASSERT_TRUE(loaded) << platform.texts().front();
        EXPECT_EQ(loaded->parts.front().name, "beside");
    }
    elsewhere.write("a.dxf", squareDrawing(10, "current"));
    {
        CurrentFolder current(elsewhere.path());
        auto loaded = loadLayout(list, kLoadPartList, platform);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->parts.front().name, "current");
    }
}

TEST(PartListReader, FailuresAbandonTheLoad) {
    TemporaryFolder folder;
    const std::string a = folder.write("a.dxf", squareDrawing(10, "A"));
    const std::string open = folder.write("open.dxf", "LINE\n 11\n5\n  0\nLINE\n 10\n5\n 11\n5\n 21\n5\n  0\n");
    struct Case {
        const char* name;
        std::string content;
        std::string message;
    };
    const Case cases[] = {
        {"no #FileEnd after a line end: one more, empty, path", kHeader + a + "\n", "零件\"\"读取失败!"},
        {"empty path line", kHeader + "\n#FileEnd\n", "零件\"\"读取失败!"},
        {"missing drawing", kHeader + "nowhere.dxf\n#FileEnd\n", "零件\"nowhere.dxf\"读取失败!"},
        {"drawing that is not a loop", kHeader + a + "\n" + open + "\n#FileEnd\n",
         "读取得到的零件顶点无法构成多边形面域!"},
        {"zero board width", "BoardLength: 3000\nBoardWidth: 0\nThickness   : 10\n#FileEnd\n", "包围盒大小为零!"},
    };
    for (const Case& c : cases) {
        RecordingPlatform platform;
        EXPECT_FALSE(loadLayout(folder.write("job.lst", c.content), kLoadPartList, platform)) << c.name;
        ASSERT_FALSE(platform.messages.empty()) << c.name;
        EXPECT_EQ(platform.messages.back().second.rfind(c.message, 0), 0u)
            << c.name << ": " << platform.messages.back().second;
    }
    RecordingPlatform platform;
    EXPECT_FALSE(loadLayout((folder.path() / "none.lst").string(), kLoadPartList, platform));
    EXPECT_EQ(platform.texts().at(0).rfind("零件列表文件读取失败! (", 0), 0u);
    // Without a line end after the last path, the file simply ends.
    EXPECT_TRUE(loadLayout(folder.write("job.lst", kHeader + a), kLoadPartList, platform));
}

// Every exported part, listed in a part list, reads back with the written vertices and its area.
TEST(PartListReader, ExportedPartsReadBack) {
    TemporaryFolder folder;
    RecordingPlatform platform;
    const std::string jobFile = folder.write("job.txt", std::string(testing::kMinimalJob) +
                                                            "Part\nName\nwedge\nPartNumOfSameType\n3\nOutLoop\n0,0\n"
                                                            "70.123456,0\n12.5,33.3333\nEndOutLoop\nEndPart\n");
    auto job = loadLayout(jobFile, kLoadPartData, platform);
    ASSERT_TRUE(job);
    job->parts.front().rotateAbout(job->parts.front().centroid, 0.3);  // the first plate, which is exported, turned
    ASSERT_TRUE(exportParts(*job, folder.path().string(), platform));
    const std::string list = folder.write("parts.lst", kHeader + (folder.path() / "platex2.dxf").string() + "\n" +
                                                           (folder.path() / "wedgex3.dxf").string() + "\n#FileEnd\n");
    Layout back;
    ASSERT_TRUE(readPartListFile(back, list, platform)) << platform.texts().front();
    ASSERT_EQ(back.parts.size(), 2u);
    auto written = [](double v) { return std::stod(formatNumber(v)); };
    for (const char* name : {"plate", "wedge"}) {
        const Part* original = nullptr;
        for (const Part& part : job->parts)
            if (part.name == name && !original) original = &part;
        // Read back without a "name:" text, the part has the default name; the last read is first.
        const Part& read = std::string(name) == "plate" ? back.parts.back() : back.parts.front();
        EXPECT_EQ(read.name, "NoName");
        ASSERT_EQ(read.outer.count(), original->outer.count()) << name;
        ASSERT_EQ(read.inners.size(), original->inners.size()) << name;
        // The chain runs the written loop backwards from its first vertex.
        const int n = original->outer.count();
        for (int i = 0; i < n; ++i) {
            const Point& o = original->outer.vertex((n - i) % n);
            EXPECT_EQ(read.outer.vertex(i).x, written(o.x)) << name << " vertex " << i;
            EXPECT_EQ(read.outer.vertex(i).y, written(o.y)) << name << " vertex " << i;
        }
        // Parked beside the board near x = 6000, six digits keep the coordinates to 0.01.
        EXPECT_NEAR(read.netArea, original->netArea, 1e-4 * original->netArea) << name;
    }
}

}  // namespace
}  // namespace orvanest
