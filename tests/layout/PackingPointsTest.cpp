#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "layout/PackingPoints.h"

namespace orvanest {
namespace {

// A grid kept as its columns and rows answers every query as the same points listed one by one, through
// removals that empty whole words of the live bits and columns.
TEST(PackingPoints, GridAnswersAsTheSamePointsListed) {
    for (const auto& [columns, rows] : std::vector<std::pair<int, int>>{{1, 1}, {3, 64}, {7, 5}, {40, 33}, {2, 130}}) {
        std::vector<double> xs, ys;
        for (int i = 0; i < columns; ++i) xs.push_back(i * 2.5);
        for (int j = 0; j < rows; ++j) ys.push_back(j * 1.25);
        std::vector<Point> listed;
        for (double x : xs)
            for (double y : ys) listed.emplace_back(x, y);
        PackingPoints grid, list;
        grid.assignGrid(xs, ys);
        list.assign(listed);
        ASSERT_EQ(grid.slotCount(), listed.size());
        std::mt19937 random(static_cast<unsigned>(columns * 1000 + rows));
        for (int round = 0; round < 4; ++round) {
            for (size_t slot = 0; slot < listed.size(); ++slot) {
                // Runs of removals, so that whole words go dead.
                if ((slot / 70 + round) % 3 == 0 || random() % 4 == 0) {
                    grid.erase(slot);
                    list.erase(slot);
                }
            }
            ASSERT_EQ(grid.count(), list.count());
            for (size_t slot = 0; slot <= listed.size(); ++slot) {
                ASSERT_EQ(grid.nextAlive(slot), list.nextAlive(slot)) << slot;
                if (slot < listed.size()) {
                    ASSERT_EQ(grid.isAlive(slot), list.isAlive(slot));
                    ASSERT_EQ(grid.at(slot).x, listed[slot].x);
                    ASSERT_EQ(grid.at(slot).y, listed[slot].y);
                }
            }
            for (double x : {-1.0, 0.0, 1.0, 2.5, 2.6, 1e9}) {
                EXPECT_EQ(grid.firstSlotWithXAtLeast(x), list.firstSlotWithXAtLeast(x)) << x;
                for (double y : {-1.0, 0.0, 1.25, 1.3, 1e9})
                    EXPECT_EQ(grid.firstSlotNotBefore(Point(x, y)), list.firstSlotNotBefore(Point(x, y)))
                        << x << " " << y;
            }
            std::vector<double> seenGrid, seenList;
            grid.forEachAlive([&](const Point& p) { seenGrid.push_back(p.x * 1e6 + p.y); });
            list.forEachAlive([&](const Point& p) { seenList.push_back(p.x * 1e6 + p.y); });
            EXPECT_EQ(seenGrid, seenList);
        }
    }
}

TEST(PackingPoints, EmptyAndClearedListsHaveNoPoints) {
    PackingPoints points;
    EXPECT_EQ(points.nextAlive(0), 0u);
    points.assignGrid({0.0, 1.0}, {0.0});
    EXPECT_EQ(points.count(), 2);
    points.clear();
    EXPECT_EQ(points.slotCount(), 0u);
    EXPECT_EQ(points.nextAlive(0), 0u);
    EXPECT_EQ(points.firstSlotNotBefore(Point(0, 0)), 0u);
}

}  // namespace
}  // namespace orvanest
