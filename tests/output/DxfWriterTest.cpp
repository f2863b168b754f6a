#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

#include "output/DxfWriter.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makePart;
using testing::makeRectangle;
using testing::readFile;
using testing::RecordingPlatform;
using testing::TemporaryFolder;

std::string lines(std::initializer_list<const char*> items) {
    std::string text;
    for (const char* item : items) text += std::string(item) + "\n";
    return text;
}

std::string lineEntity(const char* x1, const char* y1, const char* x2, const char* y2) {
    return lines({"LINE", "  8", "0", " 10", x1, " 20", y1, " 30", "0.0", " 11", x2, " 21", y2, " 31", "0.0", "  0"});
}

const std::string kOpening = lines({"  0", "SECTION", "  2", "ENTITIES", "  0"});
const std::string kClosing = lines({"ENDSEC", "  0", "EOF"});

TEST(DxfLayout, EmptyLayoutIsTheFrameAndTheBoard) {
    Layout layout;
    const std::string expected = kOpening + lineEntity("0", "0", "6000", "0") +
                                 lineEntity("6000", "0", "6000", "4000") + lineEntity("6000", "4000", "0", "4000") +
                                 lineEntity("0", "4000", "0", "0") + kClosing;
    EXPECT_EQ(dxfLayoutText(layout), expected);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 5 + 64 + 3);
}

TEST(DxfLayout, PartIsLoopsThenTextThenPoint) {
    Part part = makePart("sq", {Point(0, 0), Point(40, 0), Point(40, 40), Point(0, 40)},
                         {{Point(10, 10), Point(20, 10), Point(15, 20)}});
    part.nameLabel.text = "sq";
    part.nameLabel.x = 20.5;
    part.nameLabel.y = 19.25;
    part.nameLabel.height = 4;
    part.nameLabel.angle = 0;
    const std::string expected = kOpening + lineEntity("0", "0", "40", "0") + lineEntity("40", "0", "40", "40") +
                                 lineEntity("40", "40", "0", "40") + lineEntity("0", "40", "0", "0") +
                                 lineEntity("10", "10", "20", "10") + lineEntity("20", "10", "15", "20") +
                                 lineEntity("15", "20", "10", "10") +
                                 lines({"TEXT", "  8", "1", " 10", "20.5", " 20", "19.25", " 30", "0", " 40", "4",
                                        "  1", "sq", " 50", "0", "  0"}) +
                                 lines({"POINT", "  8", "0", " 10", "0", " 20", "0", " 30", "0.0", "  0"}) + kClosing;
    EXPECT_EQ(dxfPartText(part), expected);
}

TEST(DxfLayout, RotatedPartWritesTurnedVerticesAndAngle) {
    Layout layout;
    layout.boardLength = 1234567;
    Part part = makeRectangle("r", 0, 0, 10, 10);
    part.rotateAbout(Point(0, 0), geometryPi() / 2);
    layout.addPartFront(part);
    const std::string text = dxfLayoutText(layout);
    // The board's length and the rounding left by the turn both come out with three-digit exponents.
    EXPECT_NE(text.find(" 10\n1.23457e+006\n"), std::string::npos);
    EXPECT_NE(text.find(" 10\n6.12323e-016\n 20\n10\n"), std::string::npos) << text;
    EXPECT_NE(text.find(" 50\n90\n"), std::string::npos);
}

// A real DXF consumer reads the file without complaint and finds every entity.
TEST(DxfLayout, ReadByEzdxf) {
    if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "/usr/bin/python3 with the ezdxf package is not installed";
    TemporaryFolder folder;
    Layout layout;
    layout.addPartFront(makePart("holed", {Point(0, 0), Point(100, 0), Point(100, 50), Point(0, 50)},
                                 {{Point(10, 10), Point(20, 10), Point(20, 20), Point(10, 20)}}));
    layout.addPartFront(makeRectangle("plain", 200, 0, 30, 20));
    RecordingPlatform platform;
    const std::string dxf = (folder.path() / "layout.dxf").string();
    ASSERT_TRUE(writeDxfLayout(layout, dxf, platform));
    const std::string script =
        folder.write("read.py",
                     "import sys, ezdxf\n"
                     "from ezdxf import recover\n"
                     "doc, auditor = recover.readfile(sys.argv[1])\n"
                     "msp = doc.modelspace()\n"
                     "print(len(auditor.errors), len(msp.query('LINE')), len(msp.query('TEXT')),\n"
                     "      len(msp.query('POINT')), sorted(t.dxf.text for t in msp.query('TEXT')))\n"
                     "doc2 = ezdxf.readfile(sys.argv[1])\n");
    const std::string out = (folder.path() / "out.txt").string();
    ASSERT_EQ(std::system(("/usr/bin/python3 " + script + " " + dxf + " > " + out + " 2>&1").c_str()), 0)
        << readFile(out);
    EXPECT_EQ(readFile(out), "0 16 2 2 ['holed', 'plain']\n");
}

TEST(ExportParts, OneFilePerTypeNamedByCopies) {
    TemporaryFolder folder;
    Layout layout;
    for (int i = 0; i < 3; ++i) layout.addPartFront(makeRectangle("A7", 0, 0, 10, 10));
    layout.addPartFront(makeRectangle("B", 0, 0, 10, 10));
    layout.addPartType("A7", 0);
    layout.addPartType("B", 1);
    layout.addPartType("ghost", 2);  // no part of this name: no file
    RecordingPlatform platform;
    ASSERT_TRUE(exportParts(layout, folder.path().string(), platform));
    EXPECT_TRUE(platform.messages.empty());
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A7x3.dxf", "Bx1.dxf"}));
    EXPECT_EQ(readFile((folder.path() / "Bx1.dxf").string()), dxfPartText(layout.parts.front()));
}

TEST(ExportParts, HolesOfTheCopyComeInReverseOrder) {
    TemporaryFolder folder;
    Layout layout;
    Part part =
        makePart("h", {Point(0, 0), Point(100, 0), Point(100, 100), Point(0, 100)},
                 {{Point(10, 10), Point(20, 10), Point(20, 20)}, {Point(50, 50), Point(60, 50), Point(60, 60)}});
    layout.parts.push_back(part);  // not a copy: the holes stay in their order
    layout.addPartType("h", 0);
    RecordingPlatform platform;
    ASSERT_TRUE(exportParts(layout, folder.path().string(), platform));
    const std::string text = readFile((folder.path() / "hx1.dxf").string());
    const Part copy = layout.parts.front();
    EXPECT_EQ(text, dxfPartText(copy));
    EXPECT_NE(text, dxfPartText(layout.parts.front()));
}

TEST(ExportParts, SeparatorInNameStaysInFolder) {
    TemporaryFolder folder;
    Layout layout;
    layout.addPartFront(makeRectangle("../up", 0, 0, 10, 10));
    layout.addPartType("../up", 0);
    RecordingPlatform platform;
    ASSERT_TRUE(exportParts(layout, folder.path().string(), platform));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / ".._upx1.dxf"));
}

// A failed write shows the message with the file, answers false and leaves what was there as it was.
// A folder standing where the file should go cannot be replaced, which fails for root too.
TEST(DxfOutput, FailedWriteKeepsWhatWasThere) {
    TemporaryFolder folder;
    const std::string oldPart = (folder.path() / "Ax1.dxf").string();
    const std::string oldLayout = (folder.path() / "layout.dxf").string();
    for (const std::string& target : {oldPart, oldLayout}) {
        std::filesystem::create_directory(target);
        folder.write(std::filesystem::path(target).filename().string() + "/kept.txt", "kept\n");
    }
    Layout layout;
    layout.addPartFront(makeRectangle("A", 0, 0, 10, 10));
    layout.addPartType("A", 0);
    RecordingPlatform platform;
    EXPECT_FALSE(writeDxfLayout(layout, oldLayout, platform));
    EXPECT_FALSE(exportParts(layout, folder.path().string(), platform));
    ASSERT_EQ(platform.messages.size(), 2u);
    for (const auto& [caption, text] : platform.messages) {
        EXPECT_EQ(caption, "Warning!");
        EXPECT_EQ(text.rfind("排样文件输出失败! (", 0), 0u) << text;
    }
    EXPECT_NE(platform.messages[1].second.find("Ax1.dxf"), std::string::npos);
    EXPECT_EQ(readFile(oldPart + "/kept.txt"), "kept\n");
    EXPECT_EQ(readFile(oldLayout + "/kept.txt"), "kept\n");
    // No temporary file is left beside them.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

// Names up to the file system's limit are written: the temporary file's own name stays short.
TEST(DxfOutput, LongestFileNamesAreWritten) {
    TemporaryFolder folder;
    const std::string target = (folder.path() / (std::string(251, 'n') + ".dxf")).string();
    RecordingPlatform platform;
    EXPECT_TRUE(writeDxfLayout(Layout(), target, platform));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(std::filesystem::exists(target));
}

TEST(DxfOutput, ReadOnlyFolderKeepsOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    TemporaryFolder folder;
    const std::string old = folder.write("layout.dxf", "old layout\n");
    std::filesystem::permissions(folder.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    RecordingPlatform platform;
    EXPECT_FALSE(writeDxfLayout(Layout(), old, platform));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(readFile(old), "old layout\n");
}

TEST(ExportParts, EarlierFilesStayWhenALaterOneFails) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() / "Bx1.dxf");  // a folder where the file should go
    Layout layout;
    layout.addPartFront(makeRectangle("A", 0, 0, 10, 10));
    layout.addPartFront(makeRectangle("B", 0, 0, 10, 10));
    layout.addPartFront(makeRectangle("C", 0, 0, 10, 10));
    layout.addPartType("A", 0);
    layout.addPartType("B", 1);
    layout.addPartType("C", 2);
    RecordingPlatform platform;
    EXPECT_FALSE(exportParts(layout, folder.path().string(), platform));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.path() / "Ax1.dxf"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Cx1.dxf"));
}

}  // namespace
}  // namespace orvanest
