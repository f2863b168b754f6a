#include <gtest/gtest.h>

#include "geometry/BoardRect.h"
#include "geometry/Part.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makePart;

TEST(PolygonTest, AreaAndCentroidDoNotDependOnOrientation) {
    const Polygon ccw({Point(0, 0), Point(1, 0), Point(1, 1), Point(0, 1)});
    const Polygon cw({Point(0, 0), Point(0, 1), Point(1, 1), Point(1, 0)});
    for (const Polygon* p : {&ccw, &cw}) {
        EXPECT_EQ(p->area, 1.0);
        EXPECT_EQ(p->computeCentroid().x, 0.5);
        EXPECT_EQ(p->computeCentroid().y, 0.5);
        EXPECT_EQ(p->xmin, 0.0);
        EXPECT_EQ(p->ymax, 1.0);
    }
    const Polygon triangle({Point(0, 0), Point(4, 0), Point(0, 3)});
    EXPECT_EQ(triangle.area, 6.0);
    EXPECT_DOUBLE_EQ(triangle.computeCentroid().x, 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(triangle.computeCentroid().y, 1.0);
}

TEST(PolygonTest, RepeatedClosingVertexChangesNothing) {
    const Polygon plain({Point(0, 0), Point(4, 0), Point(0, 3)});
    const Polygon repeated({Point(0, 0), Point(4, 0), Point(0, 3), Point(0, 0)});
    EXPECT_EQ(plain.area, repeated.area);
    EXPECT_EQ(plain.computeCentroid().x, repeated.computeCentroid().x);
}

TEST(PolygonTest, TransformsKeepTheBoxAndLeaveTheArea) {
    Polygon p({Point(0, 0), Point(1, 0), Point(1, 1), Point(0, 1)});
    p.translate(2, 3);
    EXPECT_EQ(p.xmin, 2.0);
    EXPECT_EQ(p.ymax, 4.0);
    p.rotateAbout(Point(2, 3), geometryPi() / 2);
    EXPECT_NEAR(p.xmin, 1.0, 1e-12);
    EXPECT_NEAR(p.xmax, 2.0, 1e-12);
    EXPECT_EQ(p.area, 1.0);
}

TEST(PolygonTest, NearestVertexKeepsTheFirstOfEquals) {
    const Polygon p({Point(-1, 0), Point(1, 0), Point(0, 5)});
    EXPECT_EQ(p.nearestVertex(Point(0, 0)).x, -1.0);
}

TEST(PolygonList, CopyByFrontInsertionReverses) {
    PolygonList list;
    list.push_front(Polygon({Point(1, 1)}));  // B
    list.push_front(Polygon({Point(0, 0)}));  // A, iterates A, B
    const PolygonList copy = reversedCopy(list);
    EXPECT_EQ(copy.front().vertex(0).x, 1.0);
    EXPECT_EQ(reversedCopy(copy).front().vertex(0).x, 0.0);
}

Part plateWithHole() {
    return makePart("plate", {Point(0, 0), Point(100, 0), Point(100, 50), Point(0, 50)},
                    {{Point(10, 10), Point(20, 10), Point(20, 20), Point(10, 20)}});
}

TEST(PartTest, DerivedValuesOfAPlateWithAHole) {
    const Part part = plateWithHole();
    EXPECT_EQ(part.netArea, 4900.0);
    EXPECT_EQ(part.maxExtent, 100.0);
    EXPECT_EQ(part.nameLabel.height, 5.0);
    EXPECT_DOUBLE_EQ(part.centroid.x, (5000.0 * 50 - 100.0 * 15) / 4900);
    EXPECT_DOUBLE_EQ(part.centroid.y, (5000.0 * 25 - 100.0 * 15) / 4900);
    EXPECT_EQ(part.nameLabel.x, part.centroid.x);
    EXPECT_EQ(part.nameLabel.text, "plate");
}

TEST(PartTest, MoveByShiftsEverything) {
    Part part = plateWithHole();
    const Part before = part;
    part.moveBy(10, -5);
    EXPECT_EQ(part.xmin, 10.0);
    EXPECT_EQ(part.ymax, 45.0);
    EXPECT_EQ(part.inners.front().xmin, 20.0);
    EXPECT_EQ(part.centroid.x, before.centroid.x + 10);
    EXPECT_EQ(part.nameLabel.y, before.nameLabel.y - 5);
    EXPECT_EQ(part.netArea, before.netArea);
    EXPECT_EQ(part.maxExtent, before.maxExtent);
}

TEST(PartTest, RotationTurnsTheBoxAndAccumulatesTheLabelAngle) {
    Part part = plateWithHole();
    const Point c = part.centroid;
    part.rotateAbout(c, geometryPi() / 2);
    EXPECT_NEAR(part.xmax - part.xmin, 50.0, 1e-9);
    EXPECT_NEAR(part.ymax - part.ymin, 100.0, 1e-9);
    EXPECT_EQ(part.maxExtent, part.ymax - part.ymin);
    EXPECT_NEAR(part.centroid.x, c.x, 1e-9);
    EXPECT_DOUBLE_EQ(part.nameLabel.angle, 90.0);
    for (int i = 0; i < 3; ++i) part.rotateAbout(c, geometryPi() / 2);
    EXPECT_DOUBLE_EQ(part.nameLabel.angle, 360.0);
}

TEST(PartTest, CopiesResetThicknessAndChordStep) {
    Part part = plateWithHole();
    part.thickness = 3;
    part.chordStep = 1;
    part.selected = true;
    const Part copy = part;
    EXPECT_EQ(copy.thickness, 10.0);
    EXPECT_EQ(copy.chordStep, 5.0);
    EXPECT_TRUE(copy.selected);
}

TEST(PartTest, LongNamesAreCutOnCharacterBoundaries) {
    std::string name;
    for (int i = 0; i < 40; ++i) name += "零";  // 3 bytes each
    const Part part = makePart(name, {Point(0, 0), Point(1, 0), Point(0, 1)});
    EXPECT_EQ(part.name.size(), 99u);
    EXPECT_EQ(part.nameLabel.text.size(), 54u);
}

TEST(BoardRectTest, CheckAndArea) {
    BoardRect r;
    EXPECT_TRUE(r.set(6000, 4000, 10));
    EXPECT_EQ(r.area, 24'000'000.0);
    EXPECT_FALSE(r.set(-1, 5, 10));
    EXPECT_FALSE(r.set(-2, -3, 10));
    EXPECT_EQ(r.area, 6.0);
}

TEST(RemainingRectListTest, AscendingAreaWithLastInsertedFirstAmongEquals) {
    RemainingRectList list;
    BoardRect ten, five;
    ten.set(2, 5, 10);
    five.set(1, 5, 10);
    list.clear();
    list.insertByArea(ten, Point(1, 0));
    list.insertByArea(five, Point(2, 0));
    list.insertByArea(ten, Point(3, 0));
    std::vector<double> corners;
    for (const RemainingRect& r : list) corners.push_back(r.corner.x);
    EXPECT_EQ(corners, (std::vector<double>{2, 3, 1}));
    BoardRect board;
    board.set(6000, 4000, 10);
    list.resetToBoard(board);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.begin()->rect.area, 24'000'000.0);
    EXPECT_EQ(list.begin()->corner.x, 0.0);
}

}  // namespace
}  // namespace orvanest
