// DXF part files that are nonsense: numbers that are not finite, entities that never end, group codes
// without their blanks, piles of zero-length segments, curves cut into too many chords. Each is refused
// with a message naming the drawing (and the line where there is one) or read as far as it makes
// sense; the batch tool ends with its status and an open layout stays as it was.
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

std::string line(double x1, double y1, double x2, double y2) {
    return "  0\nLINE\n  8\n0\n 10\n" + std::to_string(x1) + "\n 20\n" + std::to_string(y1) + "\n 11\n" +
           std::to_string(x2) + "\n 21\n" + std::to_string(y2) + "\n";
}
const std::string kRectangle = line(0, 0, 100, 0) + line(100, 0, 100, 50) + line(100, 50, 0, 50) + line(0, 50, 0, 0);
const std::string kEnd = "  0\nENDSEC\n  0\nEOF\n";

std::string repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

TEST(DxfNonsense, DrawingsAreRefusedOrReadWithoutHarm) {
    struct Case {
        const char* name;
        std::string drawing;
        int status;           // of the batch tool
        const char* message;  // start of the message after "Warning!: ", for a refusal
        int line;             // named in the message, 0 for none
    };
    const std::string refusal = "零件\"";
    const Case cases[] = {
        {"nan coordinate", line(0, 0, 100, 0) + "  0\nLINE\n 10\nnan\n 20\n0\n 11\n0\n 21\n0\n" + kEnd, 1,
         refusal.c_str(), 16},
        {"infinite radius", kRectangle + "  0\nCIRCLE\n 10\n50\n 20\n25\n 40\ninf\n" + kEnd, 1, refusal.c_str(), 56},
        {"1e999 arc angle", kRectangle + "  0\nARC\n 10\n50\n 20\n25\n 40\n5\n 50\n1e999\n 51\n90\n" + kEnd, 1,
         refusal.c_str(), 58},
        {"-inf arc radius", kRectangle + "  0\nARC\n 10\n50\n 20\n25\n 40\n-inf\n 50\n0\n 51\n90\n" + kEnd, 1,
         refusal.c_str(), 56},
        {"nan thickness", kRectangle + "  0\nTEXT\n 10\n1\n 20\n1\n 40\n2\n  1\nthick=nan\n" + kEnd, 1, refusal.c_str(),
         50},
        // Normalising these angles one turn at a time would take for ever or never end.
        {"arc angle far out",
         kRectangle + "  0\nARC\n 10\n50\n 20\n25\n 40\n5\n 50\n1.1040985987026288e+241\n 51\n0\n" + kEnd, 1,
         refusal.c_str(), 50},
        {"arc angles a turn too fine apart",
         kRectangle + "  0\nARC\n 10\n50\n 20\n25\n 40\n5\n 50\n1e19\n 51\n9.999999999999999e18\n" + kEnd, 1,
         refusal.c_str(), 50},
        {"curve of too many chords", kRectangle + "  0\nCIRCLE\n 10\n50\n 20\n25\n 40\n1e12\n" + kEnd, 1,
         refusal.c_str(), 50},
        // The last LINE runs to the end of the file: it still closes the outline.
        {"entity without its end", kRectangle, 0, "", 0},
        {"group codes without blanks", "0\nSECTION\n0\nLINE\n10\n0\n20\n0\n11\n100\n21\n0\n0\nLINE\n10\n100\n" + kEnd,
         1, "读取得到的零件顶点数目少于3!", 0},
        {"a hundred thousand LINE lines", repeated("LINE\n", 100000), 1, "读取得到的零件顶点数目少于3!", 0},
        {"ten thousand zero-length segments", repeated(line(5, 5, 5, 5), 10000) + kEnd, 1,
         "读取得到的零件顶点数目少于3!", 0},
        {"zero-length segments on an outline", kRectangle + repeated(line(0, 0, 0, 0), 10000) + kEnd, -1, "", 0},
    };
    TemporaryFolder folder;
    const std::string goodList =
        folder.write("good.txt", "BoardLength: 600\nBoardWidth: 400\nThickness   : 10\n" +
                                     folder.write("good.dxf", kRectangle + kEnd) + "\n#FileEnd\n");
    for (const Case& c : cases) {
        const std::string drawing = folder.write("part.dxf", c.drawing);
        const std::string list = folder.write(
            "list.txt", "BoardLength: 600\nBoardWidth: 400\nThickness   : 10\n" + drawing + "\n#FileEnd\n");
        const testing::ToolRun run = testing::runBatchTool(folder.path(), {list, "--list", "--json"});
        if (c.status >= 0) {
            EXPECT_EQ(run.status, c.status) << c.name << "\n" << run.err;
        } else {
            EXPECT_TRUE(run.status == 0 || run.status == 1) << c.name << ": status " << run.status;
        }
        if (c.status == 1) {
            std::string expected = std::string("Warning!: ") + c.message;
            EXPECT_NE(run.err.find(expected), std::string::npos) << c.name << "\n" << run.err;
            const std::string where = c.line > 0 ? drawing + ":" + std::to_string(c.line) : drawing;
            EXPECT_NE(run.err.find(where), std::string::npos) << c.name << "\n" << run.err;

            RecordingPlatform platform;
            CommandLayer window(platform);
            window.onCreate();
            ASSERT_TRUE(window.openFile(goodList, kLoadPartList));
            const std::string before = testing::layoutFingerprint(*window.layout());
            EXPECT_FALSE(window.openFile(list, kLoadPartList)) << c.name;
            EXPECT_EQ(testing::layoutFingerprint(*window.layout()), before) << c.name;
        }
    }
}

}  // namespace
}  // namespace orvanest
