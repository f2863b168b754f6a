#include <gtest/gtest.h>

#include "input/LoadLayout.h"
#include "input/TextParsing.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::RecordingPlatform;
using testing::TemporaryFolder;

std::string header(const std::string& length = "6000", const std::string& width = "4000") {
    return "BoardLength: " + length + "\nBoardWidth: " + width + "\nThickness   : 10\n";
}

std::string block(const std::string& name, const std::string& copies, const std::string& loops) {
    return "Part\nName\n" + name + "\nPartNumOfSameType\n" + copies + "\n" + loops + "EndPart\n";
}

const std::string kSquare = "OutLoop\n0,0\n10,0\n10,10\n0,10\nEndOutLoop\n";

struct Loaded {
    std::optional<Layout> layout;
    RecordingPlatform platform;
};

std::unique_ptr<Loaded> load(const std::string& content) {
    TemporaryFolder folder;
    auto result = std::make_unique<Loaded>();
    result->layout = loadLayout(folder.write("job.txt", content), kLoadPartData, result->platform);
    return result;
}

TEST(PartDataReader, MinimalJobGivesTwoParkedPlates) {
    auto loaded = load(testing::kMinimalJob);
    ASSERT_TRUE(loaded->layout);
    const Layout& layout = *loaded->layout;
    EXPECT_TRUE(loaded->platform.messages.empty());
    EXPECT_EQ(layout.parts.size(), 2u);
    EXPECT_EQ(layout.partTypes.size(), 1u);
    EXPECT_EQ(layout.typeSlots.size(), 1u);
    EXPECT_EQ(layout.typeSlots[0].name, "plate");
    EXPECT_EQ(layout.ppd, 7.5);
    EXPECT_EQ(layout.headerValue3, 0.0);
    for (const Part& part : layout.parts) {
        EXPECT_EQ(part.netArea, 4900.0);
        EXPECT_EQ(part.xmin, 6000.0);
        EXPECT_EQ(part.ymax, 0.0);
        EXPECT_EQ(part.inners.size(), 1u);
        EXPECT_FALSE(part.selected);
    }
}

TEST(PartDataReader, VertexSeparators) {
    struct Case {
        const char* line;
        double x, y;
    };
    for (const Case& c : {Case{"10,20", 10, 20}, Case{"10 20", 10, 20}, Case{"10\t20", 10, 20}, Case{"10, 20", 10, 20},
                          Case{"10,,20", 10, 0}, Case{"", 0, 0}, Case{"1e1;-2.5e0", 10, -2.5}}) {
        auto loaded =
            load(header() + block("t", "1", std::string("OutLoop\n") + c.line + "\n100,0\n100,100\nEndOutLoop\n"));
        ASSERT_TRUE(loaded->layout) << c.line;
        // Parking moved the part; undo it to read the vertex as written.
        const Part& part = loaded->layout->parts.front();
        const double dx = 6000 - std::min(c.x, 100.0);
        const double dy = -std::max(c.y, 100.0);
        EXPECT_DOUBLE_EQ(part.outer.vertex(0).x - dx, c.x) << c.line;
        EXPECT_DOUBLE_EQ(part.outer.vertex(0).y - dy, c.y) << c.line;
    }
}

TEST(PartDataReader, HeaderLabelsAreSkippedByLength) {
    auto ok = load("ABCDEFGHIJKLM6000\nabcdefghijkl4000\n1234567890123499\n");
    ASSERT_TRUE(ok->layout);
    EXPECT_EQ(ok->layout->boardLength, 6000.0);
    EXPECT_EQ(ok->layout->boardWidth, 4000.0);
    EXPECT_EQ(ok->layout->headerValue3, 99.0);
    EXPECT_TRUE(ok->layout->parts.empty());
    // Twelve characters before 6000: the 6 is skipped as part of the label, the rest reads 0? No: 000 is 0.
    auto zero = load("BoardLength:6000\nBoardWidth: 4000\nThickness   : 10\n");
    EXPECT_FALSE(zero->layout);
    ASSERT_EQ(zero->platform.messages.size(), 1u);
    EXPECT_EQ(zero->platform.messages[0].first, "Warning!");
    EXPECT_EQ(zero->platform.messages[0].second.rfind("包围盒大小为零!", 0), 0u);
    EXPECT_NE(zero->platform.messages[0].second.find("job.txt:1"), std::string::npos);
}

TEST(PartDataReader, NegativeBoardIsReportedAndReadingGoesOn) {
    auto loaded = load(header("-6000") + block("a", "1", kSquare));
    ASSERT_TRUE(loaded->layout);
    EXPECT_EQ(loaded->platform.texts(), std::vector<std::string>{"板数据错误!"});
    EXPECT_EQ(loaded->layout->parts.size(), 1u);
}

TEST(PartDataReader, KeywordsMatchWholeLinesOnly) {
    const std::string content = header() + "comment\n\npart\nName\nx\nEndPart\n" + "Part \n" +
                                block("a", "3", "junk\n" + kSquare + "\n") + block("b", "2", kSquare) +
                                block("zero", "0", kSquare);
    auto loaded = load(content);
    ASSERT_TRUE(loaded->layout);
    EXPECT_EQ(loaded->layout->parts.size(), 5u);
    ASSERT_EQ(loaded->layout->partTypes.size(), 3u);
    EXPECT_EQ(loaded->layout->partTypes[0].name, "a");
    EXPECT_EQ(loaded->layout->partTypes[2].ordinal, 2);
    EXPECT_EQ(loaded->layout->typeSlots.size(), 3u);
}

TEST(PartDataReader, ANameThatSpellsAKeywordActsAsIt) {
    // The name line "OutLoop" starts the outer loop; the count stays at its default of one.
    auto loaded = load(header() + "Part\nName\nOutLoop\n0,0\n5,0\n0,5\nEndOutLoop\nEndPart\n");
    ASSERT_TRUE(loaded->layout);
    ASSERT_EQ(loaded->layout->parts.size(), 1u);
    EXPECT_EQ(loaded->layout->parts.front().name, "OutLoop");
    EXPECT_EQ(loaded->layout->parts.front().outer.count(), 3);
}

TEST(PartDataReader, CrLfAndAMissingEndAtTheEndOfTheFile) {
    auto loaded = load(
        "BoardLength: 6000\r\nBoardWidth: 4000\r\nThickness   : 10\r\nPart\r\nName\r\nz\r\n"
        "PartNumOfSameType\r\n2\r\nOutLoop\r\n0,0\r\n3,0\r\n0,3");
    ASSERT_TRUE(loaded->layout);
    EXPECT_EQ(loaded->layout->parts.size(), 2u);
    EXPECT_EQ(loaded->layout->parts.front().name, "z");
    EXPECT_EQ(loaded->layout->parts.front().outer.count(), 3);
}

TEST(PartDataReader, MalformedInputIsRefusedWithFileAndLine) {
    struct Case {
        std::string content;
        std::string message;
        std::string where;
    };
    const Case cases[] = {
        {header("6000", "0"), "包围盒大小为零!", "job.txt:2"},
        {header() + block("a", "1", "OutLoop\nEndOutLoop\n"), "零件数据文件读取失败!", "job.txt:9"},
        {header() + block("a", "1", kSquare + "InnerLoop\nEndInnerLoop\n"), "零件数据文件读取失败!", "job.txt:15"},
        {header() + block("a", "1", ""), "零件数据文件读取失败!", "job.txt:4"},
        {header() + block("a", "1", "OutLoop\n0,0\nnan,1\n1,1\nEndOutLoop\n"), "零件数据文件读取失败!", "job.txt:11"},
        {header("1e999"), "零件数据文件读取失败!", "job.txt:1"},
        {header() + block("a", "5000000", kSquare), "零件数据文件读取失败!", "job.txt:8"},
    };
    for (const Case& c : cases) {
        auto loaded = load(c.content);
        EXPECT_FALSE(loaded->layout) << c.content;
        ASSERT_FALSE(loaded->platform.messages.empty()) << c.content;
        const std::string& text = loaded->platform.messages.back().second;
        EXPECT_EQ(text.rfind(c.message, 0), 0u) << text;
        EXPECT_NE(text.find(c.where), std::string::npos) << text;
    }
}

TEST(PartDataReader, MissingFileIsRefused) {
    RecordingPlatform platform;
    EXPECT_FALSE(loadLayout("/nonexistent/job.txt", kLoadPartData, platform));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].second.rfind("零件数据文件读取失败!", 0), 0u);
}

TEST(PartDataReader, FrontInsertionThenSortByArea) {
    // One copy each of A, B, C of rising size: read as C, B, A, and the sort leaves it so.
    auto loaded = load(header() + block("A", "1", "OutLoop\n0,0\n1,0\n1,1\nEndOutLoop\n") +
                       block("B", "1", "OutLoop\n0,0\n2,0\n2,2\nEndOutLoop\n") +
                       block("C", "1", "OutLoop\n0,0\n3,0\n3,3\nEndOutLoop\n"));
    ASSERT_TRUE(loaded->layout);
    std::string names;
    for (const Part& p : loaded->layout->parts) names += p.name;
    EXPECT_EQ(names, "CBA");
}

TEST(NumberParsing, CLocaleLeadingNumbers) {
    struct Case {
        const char* text;
        double value;
        bool found;
        bool finite;
    };
    for (const Case& c :
         {Case{"  12.5abc", 12.5, true, true}, Case{"-3e2", -300, true, true}, Case{"+.5", 0.5, true, true},
          Case{"1e", 1, true, true}, Case{"abc", 0, false, true}, Case{"", 0, false, true},
          Case{"inf", HUGE_VAL, true, false}, Case{"1e999", HUGE_VAL, true, false}, Case{"1e-999", 0, true, true},
          Case{"0.0000001e-400", 0, true, true}, Case{"0.001e311", 1e308, true, true},
          Case{"-1e309x", -HUGE_VAL, true, false}, Case{"1e+99999999999999", HUGE_VAL, true, false}}) {
        const ParsedNumber n = parseLeadingNumber(c.text);
        EXPECT_EQ(n.found, c.found) << c.text;
        EXPECT_EQ(n.finite, c.finite) << c.text;
        if (c.finite) {
            EXPECT_EQ(n.value, c.value) << c.text;
        }
    }
    // An integer too long for a double overflows without any exponent.
    EXPECT_FALSE(parseLeadingNumber(std::string(341, '9')).finite);
    EXPECT_EQ(parseLeadingNumber("0." + std::string(400, '0') + "1").value, 0.0);
    EXPECT_EQ(parseLeadingInteger(" -12x").value, -12);
    EXPECT_FALSE(parseLeadingInteger("x1").found);
}

}  // namespace
}  // namespace orvanest
