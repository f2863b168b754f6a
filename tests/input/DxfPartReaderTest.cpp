#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "input/DxfPartReader.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::readFile;
using testing::RecordingPlatform;
using testing::TemporaryFolder;
using testing::testDataPath;

std::string num(double v) { return std::to_string(v); }

std::string lineEntity(double x1, double y1, double x2, double y2) {
    return "LINE\n  8\n0\n 10\n" + num(x1) + "\n 20\n" + num(y1) + "\n 11\n" + num(x2) + "\n 21\n" + num(y2) +
           "\n  0\n";
}

std::string drawing(const std::string& entities) {
    return "  0\nSECTION\n  2\nENTITIES\n  0\n" + entities + "ENDSEC\n  0\nEOF\n";
}

struct Read {
    bool ok = false;
    Part part;
    RecordingPlatform platform;
};

std::unique_ptr<Read> readPath(const std::string& path) {
    auto result = std::make_unique<Read>();
    result->ok = readDxfPart(result->part, path, result->platform);
    return result;
}

std::unique_ptr<Read> readText(const std::string& content) {
    TemporaryFolder folder;
    return readPath(folder.write("part.dxf", content));
}

std::vector<std::pair<double, double>> sortedVertices(const Polygon& polygon) {
    std::vector<std::pair<double, double>> v;
    for (const Point& p : polygon.vertices()) v.emplace_back(p.x, p.y);
    std::sort(v.begin(), v.end());
    return v;
}

// Every order of the four sides and every direction of each gives the same rectangle.
TEST(DxfPartReader, RectangleFromLinesInAnyOrderAndDirection) {
    const std::array<std::array<double, 4>, 4> sides{
        {{0, 0, 100, 0}, {100, 0, 100, 50}, {100, 50, 0, 50}, {0, 50, 0, 0}}};
    std::array<int, 4> order{0, 1, 2, 3};
    const std::vector<std::pair<double, double>> corners{{0, 0}, {0, 50}, {100, 0}, {100, 50}};
    int cases = 0;
    do {
        for (int flips = 0; flips < 16; ++flips) {
            std::string entities;
            for (int k = 0; k < 4; ++k) {
                const auto& s = sides[static_cast<size_t>(order[static_cast<size_t>(k)])];
                entities += (flips >> k & 1) ? lineEntity(s[2], s[3], s[0], s[1]) : lineEntity(s[0], s[1], s[2], s[3]);
            }
            auto read = readText(drawing(entities));
            ASSERT_TRUE(read->ok) << cases;
            const Part& part = read->part;
            EXPECT_EQ(part.outer.count(), 4);
            EXPECT_EQ(sortedVertices(part.outer), corners);
            EXPECT_TRUE(part.inners.empty());
            EXPECT_EQ(part.name, "NoName");
            EXPECT_EQ(part.netArea, 5000.0);
            EXPECT_EQ(part.maxExtent, 100.0);
            EXPECT_EQ(part.xmax, 100.0);
            EXPECT_EQ(part.centroid.x, 50.0);
            EXPECT_EQ(part.centroid.y, 25.0);
            ++cases;
        }
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_EQ(cases, 384);
}

// The pool is the lines in reading order, so the chain starts at the first line read and follows it
// backwards in the stored vertices.
TEST(DxfPartReader, VerticesFollowTheChainBackwards) {
    auto read = readText(drawing(lineEntity(0, 0, 100, 0) + lineEntity(100, 50, 0, 50) + lineEntity(100, 0, 100, 50) +
                                 lineEntity(0, 0, 0, 50)));
    ASSERT_TRUE(read->ok);
    std::vector<std::pair<double, double>> v;
    for (const Point& p : read->part.outer.vertices()) v.emplace_back(p.x, p.y);
    EXPECT_EQ(v, (std::vector<std::pair<double, double>>{{0, 0}, {0, 50}, {100, 50}, {100, 0}}));
}

TEST(DxfPartReader, PlateWithCircleHoleAndTexts) {
    auto read = readPath(testDataPath("formats/plate-with-hole.dxf"));
    ASSERT_TRUE(read->ok) << read->platform.texts().front();
    const Part& part = read->part;
    EXPECT_TRUE(read->platform.messages.empty());
    EXPECT_EQ(part.outer.count(), 4);
    ASSERT_EQ(part.inners.size(), 1u);
    const Polygon& hole = part.inners.front();
    EXPECT_EQ(hole.count(), 13);  // trunc(2 pi 10 / 5 + 1) chords
    EXPECT_NEAR(hole.xmax, 40.0, 1e-12);
    EXPECT_DOUBLE_EQ(part.netArea, 5000.0 - hole.area);
    EXPECT_NEAR(hole.area, 13 * 50 * std::sin(2 * geometryPi() / 13), 1e-9);
    // "name:" gives name and label; "Name:" is not the prefix; "thick=" gives the thickness.
    EXPECT_EQ(part.name, "A7");
    EXPECT_EQ(part.nameLabel.text, "A7");
    EXPECT_EQ(part.nameLabel.x, 40.0);
    EXPECT_EQ(part.nameLabel.y, 20.0);
    EXPECT_EQ(part.nameLabel.height, 5.0);
    EXPECT_EQ(part.nameLabel.angle, 30.0);
    EXPECT_EQ(part.thickness, 12.5);
    EXPECT_EQ(part.thicknessLabel.text, "12.5 mm");
    EXPECT_EQ(part.thicknessLabel.angle, 0.0);
    EXPECT_EQ(part.thicknessLabel.height, 4.0);
}

TEST(DxfPartReader, CrLfLineEndsReadTheSame) {
    std::string content = readFile(testDataPath("formats/plate-with-hole.dxf"));
    std::string crlf;
    for (char c : content) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    auto lf = readPath(testDataPath("formats/plate-with-hole.dxf"));
    auto cr = readText(crlf);
    ASSERT_TRUE(cr->ok);
    EXPECT_EQ(cr->part.name, "A7");
    EXPECT_EQ(cr->part.thicknessLabel.text, "12.5 mm");
    EXPECT_EQ(sortedVertices(cr->part.outer), sortedVertices(lf->part.outer));
    EXPECT_EQ(cr->part.netArea, lf->part.netArea);
}

TEST(DxfPartReader, ArcRoundedCorners) {
    auto read = readPath(testDataPath("formats/rounded-corners.dxf"));
    ASSERT_TRUE(read->ok) << read->platform.texts().front();
    const Part& part = read->part;
    // Four lines and four arcs of trunc(pi 5 90/180 / 5 + 1) = 2 chords each.
    EXPECT_EQ(part.outer.count(), 12);
    EXPECT_TRUE(part.inners.empty());
    EXPECT_NEAR(part.xmin, 0.0, 1e-12);
    EXPECT_NEAR(part.xmax, 100.0, 1e-12);
    EXPECT_NEAR(part.ymax, 50.0, 1e-12);
    // Each corner loses the square minus the two-chord polygon of its quarter circle.
    const double quarter = 2 * 0.5 * 25 * std::sin(geometryPi() / 4);
    EXPECT_NEAR(part.netArea, 5000 - 4 * (25 - quarter), 1e-9);
}

// A gap below 0.01 is bridged inside the chain, but the chain must close on its starting point.
TEST(DxfPartReader, JoiningGaps) {
    struct Case {
        const char* name;
        std::string entities;
        const char* message;  // nullptr: read
    };
    const Case cases[] = {
        {"0.005 gap joined",
         lineEntity(0, 0, 100, 0) + lineEntity(100.005, 0, 100, 50) + lineEntity(100, 50, 0, 50) +
             lineEntity(0, 50, 0, 0),
         nullptr},
        {"0.02 gap refused",
         lineEntity(0, 0, 100, 0) + lineEntity(100, 0, 100, 50) + lineEntity(100, 50.02, 0, 50) +
             lineEntity(0, 50, 0, 0),
         "读取得到的零件顶点无法构成多边形面域!"},
        {"0.005 gap at the chain's start",
         lineEntity(0, 0.005, 100, 0) + lineEntity(100, 0, 100, 50) + lineEntity(100, 50, 0, 50) +
             lineEntity(0, 50, 0, 0),
         "读取得到的零件顶点无法构成多边形面域!"},
        {"a segment left over",
         lineEntity(0, 0, 100, 0) + lineEntity(100, 0, 100, 50) + lineEntity(100, 50, 0, 0) +
             lineEntity(500, 500, 600, 600),
         "读取得到的零件顶点数目少于3!"},
    };
    for (const Case& c : cases) {
        auto read = readText(drawing(c.entities));
        EXPECT_EQ(read->ok, c.message == nullptr) << c.name;
        if (!c.message) {
            EXPECT_EQ(read->part.outer.count(), 4) << c.name;
            continue;
        }
        ASSERT_EQ(read->platform.messages.size(), 1u) << c.name;
        EXPECT_EQ(read->platform.messages[0].first, "Warning!");
        EXPECT_EQ(read->platform.messages[0].second.rfind(c.message, 0), 0u) << read->platform.messages[0].second;
        EXPECT_NE(read->platform.messages[0].second.find("part.dxf"), std::string::npos) << c.name;
    }
}

// Files a reader meets in practice or by mistake; each is refused with its message naming the file.
TEST(DxfPartReader, RefusedDrawings) {
    struct Case {
        const char* name;
        std::string content;
        const char* message;
        const char* detail;
    };
    const Case cases[] = {
        {"no entity", drawing(""), "读取得到的零件顶点数目少于3!", "no LINE, ARC or CIRCLE"},
        {"loops of area 0", drawing(lineEntity(0, 0, 10, 0) + lineEntity(10, 0, 0, 0)), "读取得到的零件顶点数目少于3!",
         "area 0"},
        {"not a finite number", drawing(lineEntity(0, 0, 100, 0) + "LINE\n 10\nnan\n  0\n"), "零件\"",
         "part.dxf:20: not a finite number"},
        {"infinite radius", drawing("CIRCLE\n 10\n0\n 20\n0\n 40\n1e999\n  0\n"), "零件\"",
         "part.dxf:12: not a finite number"},
        {"curve of too many chords", drawing("CIRCLE\n 40\n1e9\n  0\n"), "零件\"", "more than 1000000 chords"},
        {"too many segments", drawing("CIRCLE\n 40\n700000\n  0\nCIRCLE\n 40\n700000\n  0\nCIRCLE\n 40\n700000\n  0\n"),
         "零件\"", "part.dxf:14: more than 2000000 segments"},
        // Without the padding no group code is known, so no entity ends and every value reads 0.
        {"group codes without padding",
         "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n0\n20\n0\n11\n100\n21\n0\n0\nLINE\n10\n5\n0\n",
         "读取得到的零件顶点数目少于3!", "(0, 0) to (0, 0)"},
    };
    for (const Case& c : cases) {
        auto read = readText(c.content);
        EXPECT_FALSE(read->ok) << c.name;
        ASSERT_EQ(read->platform.messages.size(), 1u) << c.name;
        const std::string& text = read->platform.messages[0].second;
        EXPECT_EQ(text.rfind(c.message, 0), 0u) << c.name << ": " << text;
        EXPECT_NE(text.find(c.detail), std::string::npos) << c.name << ": " << text;
    }
    auto missing = readPath("/nonexistent/part.dxf");
    EXPECT_FALSE(missing->ok);
    EXPECT_EQ(missing->platform.texts(),
              std::vector<std::string>{"零件\"/nonexistent/part.dxf\"读取失败! (No such file or directory)"});
}

// The keyword is compared with whole lines wherever it stands; a file may end inside an entity.
TEST(DxfPartReader, EntitiesFoundByWholeLines) {
    const std::string rectangle = lineEntity(0, 0, 100, 0) + lineEntity(100, 0, 100, 50) + lineEntity(100, 50, 0, 50);
    struct Case {
        const char* name;
        std::string content;
        std::string expectedName;
        int vertices;
    };
    const Case cases[] = {
        // A layer named TEXT in a table starts a TEXT entity there.
        {"keyword as a table value",
         "  0\nTABLE\n  2\nLAYER\n  2\nTEXT\n  1\nname:fromLayer\n  0\n" + drawing(rectangle + lineEntity(0, 50, 0, 0)),
         "fromLayer", 4},
        {"file ends inside the last entity", "  0\n" + rectangle + "LINE\n 10\n0\n 20\n50\n 11\n0", "NoName", 4},
        {"blanks around the keyword",
         drawing(rectangle + " LINE\n 10\n7\n  0\nLINE \n 10\n7\n  0\n" + lineEntity(0, 50, 0, 0)), "NoName", 4},
        {"last name text wins, Name: ignored",
         drawing(rectangle + lineEntity(0, 50, 0, 0) +
                 "TEXT\n  1\nname:first\n  0\nTEXT\n  1\nname:second\n  0\nTEXT\n  1\nName:third\n  0\n"),
         "second", 4},
    };
    for (const Case& c : cases) {
        auto read = readText(c.content);
        ASSERT_TRUE(read->ok) << c.name << ": "
                              << (read->platform.messages.empty() ? "" : read->platform.messages[0].second);
        EXPECT_EQ(read->part.name, c.expectedName) << c.name;
        EXPECT_EQ(read->part.outer.count(), c.vertices) << c.name;
    }
}

}  // namespace
}  // namespace orvanest
